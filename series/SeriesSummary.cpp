#include "SeriesSummary.h"

#include <cmath>

std::string_view StopReasonText(SeriesStop stop) {
    switch (stop) {
    case SeriesStop::ReachedPrecision:
        return "its term reached the precision";
    case SeriesStop::IterationLimit:
        return "the 30-term limit";
    case SeriesStop::NaNTerm:
        return "a NaN term";
    case SeriesStop::GoesOn:
        break;
    }
    return {};
}

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

SeriesSummary SeriesTracker::Summary(SeriesKind kind) const {
    const SeriesValue& last = Last[static_cast<int>(kind)];
    SeriesSummary summary;
    summary.Iterations = last.Iteration;
    summary.LastTerm = last.Term;
    summary.Value = last.Value;
    summary.Stop = last.Stop;
    summary.Precision = Precision;
    summary.Exact = ExactValue(kind, X);
    summary.Difference = double{last.Value} - summary.Exact;
    return summary;
}
