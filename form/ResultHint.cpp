#include "ResultHint.h"

#include "SeriesWords.h"
#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCoreApplication>

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
    return hint;
}
