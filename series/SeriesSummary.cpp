#include "SeriesSummary.h"

#include "ErrorSplit.h"

#include <bit>
#include <cmath>
#include <cstdint>

// Read from the stored numerator and factorial: the sum goes INF or NaN only
// through its term, and the term only through them or through 0 / 0.
NonFiniteCause SeriesTracker::CauseOf(const SeriesValue& value) const {
    if (X == 0)
        return NonFiniteCause::ZeroOverZero;
    if (!std::isfinite(value.Factorial))
        return NonFiniteCause::FactorialOverflow;
    if (!std::isfinite(value.Numerator))
        return NonFiniteCause::NumeratorOverflow;
    return NonFiniteCause::SumOverflow;
}

void SeriesTracker::operator()(const SeriesValue& value) {
    SeriesValue& last = Last[static_cast<int>(value.Kind)];
    if (value.Kind != SeriesKind::Combined &&
        (value.Iteration == 1 ||
         std::bit_cast<std::uint32_t>(value.Value) != std::bit_cast<std::uint32_t>(last.Value)))
        LastChange[static_cast<int>(value.Kind)] = value.Iteration;
    last = value;
    if (value.Kind == SeriesKind::Combined || std::isfinite(value.Value))
        return;
    NonFinite& first = FirstNonFinite[static_cast<int>(value.Kind)];
    if (first.Iteration == 0)
        first = {value.Iteration, value.Value, CauseOf(value)};
}

SeriesSummary SeriesTracker::Summary(SeriesKind kind) const {
    const SeriesValue& last = Last[static_cast<int>(kind)];
    SeriesSummary summary;
    summary.Kind = kind;
    summary.Iterations = last.Iteration;
    summary.LastTerm = last.Term;
    summary.Value = last.Value;
    summary.Stop = last.Stop;
    summary.Precision = Precision;
    summary.Exact = ExactDouble(kind, X);
    summary.Difference = double{last.Value} - summary.Exact;
    if (kind != SeriesKind::Combined) {
        const NonFinite& first = FirstNonFinite[static_cast<int>(kind)];
        summary.NonFiniteIteration = first.Iteration;
        summary.NonFiniteValue = first.Value;
        summary.Cause = first.Cause;
        const int settled = LastChange[static_cast<int>(kind)];
        if (settled < last.Iteration && std::isfinite(last.Value))
            summary.Settled = settled;
    } else {
        summary.Condition = ConditionNumber(Last[0].Value, Last[1].Value);
        summary.DigitsLost = std::log10(summary.Condition);
    }
    return summary;
}
