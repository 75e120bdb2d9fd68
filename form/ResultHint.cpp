#include "ResultHint.h"

#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCoreApplication>

namespace {

QString ExactName(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::First:
        return QStringLiteral("e^(2x)");
    case SeriesKind::Second:
        return QStringLiteral("5e^x");
    case SeriesKind::Combined:
        break;
    }
    return QStringLiteral("(e^(2x) − 5e^x)·x²");
}

} // namespace

QString ResultName(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::First:
        return QCoreApplication::translate("ResultHint", "e^2x series");
    case SeriesKind::Second:
        return QCoreApplication::translate("ResultHint", "5e^x series");
    case SeriesKind::Combined:
        break;
    }
    return QCoreApplication::translate("ResultHint", "combined value (first − second)·x²");
}

QString ResultHint(const SeriesSummary& summary, const TFormatSettings& settings) {
    QString hint = ResultName(summary.Kind);
    if (summary.Kind != SeriesKind::Combined) {
        hint +=
            '\n' +
            QCoreApplication::translate("ResultHint", "terms summed: %1").arg(summary.Iterations);
        hint += '\n' + QCoreApplication::translate("ResultHint", "stopped: %1")
                           .arg(StopText(summary, settings));
    }
    hint +=
        '\n' + QCoreApplication::translate("ResultHint", "exact %1 = %2")
                   .arg(ExactName(summary.Kind), ToQString(ShownValue(summary.Exact, settings)));
    hint += '\n' + QCoreApplication::translate("ResultHint", "shown − exact = %1")
                       .arg(ToQString(ShownValue(summary.Difference, settings)));
    return hint;
}
