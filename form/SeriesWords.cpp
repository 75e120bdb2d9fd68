#include "SeriesWords.h"

#include <QCoreApplication>

namespace {

struct Row {
    const char* Name;
    const char* Result;
    const char* Exact; // a formula: the same in every language
    const char* Spoken;
    const char* Id;
};

// In the order of SeriesKind.
constexpr Row Rows[] = {
    {QT_TRANSLATE_NOOP("SeriesWords", "e^2x"), QT_TRANSLATE_NOOP("SeriesWords", "e^2x series"),
     "e^(2x)", QT_TRANSLATE_NOOP("SeriesWords", "e^2x: %1"), "First"},
    {QT_TRANSLATE_NOOP("SeriesWords", "5e^x"), QT_TRANSLATE_NOOP("SeriesWords", "5e^x series"),
     "5e^x", QT_TRANSLATE_NOOP("SeriesWords", "5e^x: %1"), "Second"},
    {QT_TRANSLATE_NOOP("SeriesWords", "combined"),
     QT_TRANSLATE_NOOP("SeriesWords", "combined value (first − second)·x²"), "(e^(2x) − 5e^x)·x²",
     QT_TRANSLATE_NOOP("SeriesWords", "combined value: %1"), "Combined"},
};

QString Translated(const char* text) {
    return QCoreApplication::translate("SeriesWords", text);
}

} // namespace

SeriesWords WordsFor(SeriesKind kind) {
    const Row& row = Rows[static_cast<int>(kind)];
    return {Translated(row.Name), Translated(row.Result), QString::fromUtf8(row.Exact),
            Translated(row.Spoken), row.Id};
}
