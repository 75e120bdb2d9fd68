#include "SeriesSummary.h"

#include <cmath>

double ExactValue(SeriesKind kind, float x) {
    const double first = std::exp(2.0 * x);
    const double second = 5.0 * std::exp(double{x});
    switch (kind) {
    case SeriesKind::First:
        return first;
    case SeriesKind::Second:
        return second;
    case SeriesKind::Combined:
        return (first - second) * x * x;
    }
    return 0;
}

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
    Last[static_cast<int>(value.Kind)] = value;
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
    summary.Exact = ExactValue(kind, X);
    summary.Difference = double{last.Value} - summary.Exact;
    if (kind != SeriesKind::Combined) {
        const NonFinite& first = FirstNonFinite[static_cast<int>(kind)];
        summary.NonFiniteIteration = first.Iteration;
        summary.NonFiniteValue = first.Value;
        summary.Cause = first.Cause;
    }
    return summary;
}
