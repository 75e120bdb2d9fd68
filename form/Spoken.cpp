#include "Spoken.h"

#include "StopText.h"

#include <QCoreApplication>

QString SpokenResult(SeriesKind kind, float value) {
    switch (kind) {
    case SeriesKind::First:
        return QCoreApplication::translate("TForm1", "e^2x: %1").arg(ShownNumber(value));
    case SeriesKind::Second:
        return QCoreApplication::translate("TForm1", "5e^x: %1").arg(ShownNumber(value));
    case SeriesKind::Combined:
        break;
    }
    return QCoreApplication::translate("TForm1", "combined value: %1").arg(ShownNumber(value));
}

QString SpokenSaved() {
    return QCoreApplication::translate("TForm1", "Saved to %1").arg(CalcFileName);
}

QString SpokenRecord(const CalcRecord& record) {
    return QCoreApplication::translate("TForm1", "Read back: precision %1; x %2; e^2x %3")
        .arg(ShownNumber(record.Precision), ShownNumber(record.X), ShownNumber(record.Series1));
}
