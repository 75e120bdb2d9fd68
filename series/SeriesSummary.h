#pragma once

#include "EvaluateSeries.h"

#include <string_view>

// "its term reached the precision", "the 30-term limit", "a NaN term".
std::string_view StopReasonText(SeriesStop stop);

// What the series and the combined value approach, computed in double:
// e^(2x), 5e^x, and (e^(2x) - 5e^x) x^2.
double ExactValue(SeriesKind kind, float x);

// The outcome of one series (or of the combined value) in one run.
struct SeriesSummary {
    int Iterations = 0; // terms summed; 0 for the combined value
    float LastTerm = 0; // the term the stop test saw last; 0 for the combined value
    float Value = 0;    // the last value handed over
    SeriesStop Stop = SeriesStop::GoesOn; // the evaluator's verdict; GoesOn for the combined value
    float Precision = 0;                  // what the terms were compared with
    double Exact = 0;                     // ExactValue for this kind and x
    double Difference = 0;                // Value - Exact
};

// Follows one run of the evaluator: hand it every value the evaluator hands
// over, then ask for each kind's summary.
class SeriesTracker {
public:
    SeriesTracker(float precision, float x) : Precision(precision), X(x) {}

    void operator()(const SeriesValue& value) { Last[static_cast<int>(value.Kind)] = value; }

    SeriesSummary Summary(SeriesKind kind) const;

private:
    float Precision;
    float X;
    SeriesValue Last[3] = {{SeriesKind::First, 0, 0, 0, SeriesStop::GoesOn, 0, 0},
                           {SeriesKind::Second, 0, 0, 0, SeriesStop::GoesOn, 0, 0},
                           {SeriesKind::Combined, 0, 0, 0, SeriesStop::GoesOn, 0, 0}};
};
