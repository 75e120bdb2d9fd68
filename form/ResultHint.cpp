#include "ResultHint.h"

#include "SeriesWords.h"
#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCoreApplication>

#include <cmath>

QString ResultHint(const SeriesSummary& summary, const TFormatSettings& settings) {
    const SeriesWords words = WordsFor(summary.Kind);
    QString hint = words.Result;
    if (summary.Kind != SeriesKind::Combined) {
        hint +=
            '\n' +
            QCoreApplication::translate("ResultHint", "terms summed: %1").arg(summary.Iterations);
        hint += '\n' + QCoreApplication::translate("ResultHint", "stopped: %1")
                           .arg(StopText(summary, settings));
    }
    hint += '\n' + QCoreApplication::translate("ResultHint", "exact %1 = %2")
                       .arg(words.Exact, ToQString(ShownValue(summary.Exact, settings)));
    hint += '\n' + QCoreApplication::translate("ResultHint", "shown − exact = %1")
                       .arg(ToQString(ShownValue(summary.Difference, settings)));
    if (const QString lost = CancellationText(summary); !lost.isEmpty())
        hint += '\n' + lost;
    return hint;
}

QString CancellationText(const SeriesSummary& summary) {
    if (summary.Kind != SeriesKind::Combined || !std::isfinite(summary.Value) ||
        !(summary.DigitsLost > 3))
        return {};
    if (!std::isfinite(summary.DigitsLost))
        return QCoreApplication::translate(
            "ResultHint", "all digits lost to cancellation: both series give the same number");
    return QCoreApplication::translate(
               "ResultHint",
               "about %1 of 7 digits lost to cancellation: the two series are nearly equal")
        .arg(std::lround(summary.DigitsLost));
}
