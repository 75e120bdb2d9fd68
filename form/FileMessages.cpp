#include "FileMessages.h"

#include <QCoreApplication>

namespace {

QString Translate(const char* text, const QString& folder) {
    return QCoreApplication::translate("TForm1", text).arg(CalcFileName, folder);
}

} // namespace

QString SaveFailure(SaveResult result, const QString& folder) {
    switch (result) {
    case SaveResult::NotRegular:
        return Translate(QT_TRANSLATE_NOOP("TForm1", "%1 in %2 is not an ordinary file; it was "
                                                     "left unchanged."),
                         folder);
    case SaveResult::NotARecord:
        return Translate(QT_TRANSLATE_NOOP("TForm1", "%1 in %2 is not a record of this program; "
                                                     "it was left unchanged."),
                         folder);
    case SaveResult::ReadFailed:
        return Translate(QT_TRANSLATE_NOOP("TForm1", "%1 in %2 could not be read; it was left "
                                                     "unchanged."),
                         folder);
    case SaveResult::Saved:
    case SaveResult::OpenFailed:
    case SaveResult::WriteFailed:
        break;
    }
    return {};
}

QString ReadFailure(LoadStatus status, const QString& folder) {
    switch (status) {
    case LoadStatus::Short:
        return Translate(QT_TRANSLATE_NOOP("TForm1", "%1 in %2 is too short to hold a record."),
                         folder);
    case LoadStatus::ReadFailed:
        return Translate(QT_TRANSLATE_NOOP("TForm1", "%1 in %2 could not be read."), folder);
    case LoadStatus::Loaded:
    case LoadStatus::OpenFailed:
        break;
    }
    return {};
}
