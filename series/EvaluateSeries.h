#pragma once

#include "CalcState.h"

#include <functional>

enum class SeriesKind {
    First,   // 1 + sum (2x)^n/n!, the series for e^(2x)
    Second,  // 5 (1 + sum x^n/n!), the series for 5e^x
    Combined // (first - second) / x * x * x * x
};

// One value handed over by the evaluator.
struct SeriesValue {
    SeriesKind Kind;
    int Iteration; // n, from 1; 0 for the combined value
    float Term;    // the n-th term as the stop test sees it; 0 for the combined value
    float Value;   // running value of the series, or the combined value
};

using SeriesReceiver = std::function<void(const SeriesValue&)>;

inline constexpr float IterationLimit = 30;

// Sums both series term by term in single precision with extended
// intermediates, handing each running value to `receiver` before the next
// iteration starts, then hands over the combined value. Each series stops after
// the first term <= state.Precision (a NaN term counts as <=), or after 30
// terms. Expects state.Series1 == 1 on entry and leaves the first series' final
// value there. Floating-point faults are not trapped: NaN and infinity flow on.
void EvaluateSeries(TCalcState& state, const SeriesReceiver& receiver);
