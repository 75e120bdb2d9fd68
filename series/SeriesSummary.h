#pragma once

#include "EvaluateSeries.h"

// Why a series' value first became INF or NaN.
enum class NonFiniteCause {
    None,              // it stayed finite
    ZeroOverZero,      // x = 0: the first term is 0 / (0 * 1)
    NumeratorOverflow, // x(2x)^n or x x^n left the single range
    FactorialOverflow, // n! left the single range (not within 30 terms)
    SumOverflow,       // the running sum left the single range with finite terms
};

// The outcome of one series (or of the combined value) in one run: facts for
// the window and series-table to put into words.
struct SeriesSummary {
    SeriesKind Kind = SeriesKind::Combined;
    int Iterations = 0; // terms summed; 0 for the combined value
    float LastTerm = 0; // the term the stop test saw last; 0 for the combined value
    float Value = 0;    // the last value handed over
    SeriesStop Stop = SeriesStop::GoesOn; // the evaluator's verdict; GoesOn for the combined value
    float Precision = 0;                  // what the terms were compared with
    double Exact = 0;                     // ExactDouble for this kind and x
    double Difference = 0;                // Value - Exact
    // A series only: the first iteration whose value was INF or NaN (0 if
    // none), that value, and why.
    int NonFiniteIteration = 0;
    float NonFiniteValue = 0;
    NonFiniteCause Cause = NonFiniteCause::None;
    // A series only: the iteration after which its finite value never changed
    // again, where that is before its last; 0 otherwise.
    int Settled = 0;
    // The combined value only: ConditionNumber of the two series' values, and
    // the decimal digits it costs, log10 of it.
    double Condition = 0;
    double DigitsLost = 0;
};

// Follows one run of the evaluator: hand it every value the evaluator hands
// over, then ask for each kind's summary.
class SeriesTracker {
public:
    SeriesTracker(float precision, float x) : Precision(precision), X(x) {}

    void operator()(const SeriesValue& value);

    SeriesSummary Summary(SeriesKind kind) const;

private:
    struct NonFinite {
        int Iteration = 0;
        float Value = 0;
        NonFiniteCause Cause = NonFiniteCause::None;
    };

    NonFiniteCause CauseOf(const SeriesValue& value) const;

    float Precision;
    float X;
    SeriesValue Last[3] = {{SeriesKind::First, 0, 0, 0, SeriesStop::GoesOn, 0, 0, 0},
                           {SeriesKind::Second, 0, 0, 0, SeriesStop::GoesOn, 0, 0, 0},
                           {SeriesKind::Combined, 0, 0, 0, SeriesStop::GoesOn, 0, 0, 0}};
    NonFinite FirstNonFinite[2];
    int LastChange[2] = {0, 0}; // the iteration whose value differed from the one before
};
