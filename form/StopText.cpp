#include "StopText.h"

#include "SeriesWords.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCoreApplication>

namespace {

QString Reason(const SeriesSummary& s, const TFormatSettings& settings) {
    const QString term = ToQString(ShownValue(s.LastTerm, settings));
    const QString precision = ToQString(ShownValue(s.Precision, settings));
    switch (s.Stop) {
    case SeriesStop::ReachedPrecision:
        if (s.LastTerm < 0)
            return QCoreApplication::translate(
                       "StopText", "its term, %1, is at or below the precision %2: the test "
                                   "takes the term's sign, so a negative term (x < 0) ends "
                                   "the series at once")
                .arg(term, precision);
        return QCoreApplication::translate("StopText",
                                           "its term, %1, is at or below the precision %2")
            .arg(term, precision);
    case SeriesStop::IterationLimit:
        return QCoreApplication::translate(
                   "StopText", "the 30-term limit; the last term, %1, was still above the "
                               "precision %2")
            .arg(term, precision);
    case SeriesStop::NaNTerm:
        return QCoreApplication::translate("StopText",
                                           "its term was NaN, which counts as at or below "
                                           "the precision");
    case SeriesStop::GoesOn:
        break;
    }
    return {};
}

QString Cause(const SeriesSummary& s) {
    switch (s.Cause) {
    case NonFiniteCause::ZeroOverZero:
        return QCoreApplication::translate("StopText", "0/0 at x = 0");
    case NonFiniteCause::NumeratorOverflow:
        return WordsFor(s.Kind).Overflow;
    case NonFiniteCause::FactorialOverflow:
        return QCoreApplication::translate("StopText", "the factorial n! left the single range");
    case NonFiniteCause::SumOverflow:
        return QCoreApplication::translate("StopText", "the sum left the single range");
    case NonFiniteCause::None:
        break;
    }
    return {};
}

} // namespace

QString StopText(const SeriesSummary& summary, const TFormatSettings& settings) {
    QString text = Reason(summary, settings);
    if (summary.NonFiniteIteration > 0)
        text += '\n' + QCoreApplication::translate("StopText", "the value became %1 at term %2: %3")
                           .arg(ToQString(ShownValue(summary.NonFiniteValue, settings)))
                           .arg(summary.NonFiniteIteration)
                           .arg(Cause(summary));
    return text;
}
