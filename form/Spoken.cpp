#include "Spoken.h"

#include "SeriesWords.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCoreApplication>

QString SpokenResult(SeriesKind kind, float value, const TFormatSettings& settings) {
    return WordsFor(kind).Spoken.arg(ToQString(ShownValue(value, settings)));
}

QString SpokenSaved() {
    return QCoreApplication::translate("TForm1", "Saved to %1").arg(CalcFileName);
}

QString SpokenRecord(const CalcRecord& record, const TFormatSettings& settings) {
    return QCoreApplication::translate("TForm1", "Read back: precision %1; x %2; e^2x %3")
        .arg(ToQString(ShownValue(record.Precision, settings)),
             ToQString(ShownValue(record.X, settings)),
             ToQString(ShownValue(record.Series1, settings)));
}
