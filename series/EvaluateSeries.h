#pragma once

#include "CalcState.h"
#include "Extended.h"

#include <cmath>
#include <concepts>

enum class SeriesKind {
    First,   // 1 + sum (2x)^n/n!, the series for e^(2x)
    Second,  // 5 (1 + sum x^n/n!), the series for 5e^x
    Combined // (first - second) / x * x * x * x
};
inline constexpr SeriesKind SeriesKinds[] = {SeriesKind::First, SeriesKind::Second,
                                             SeriesKind::Combined};

// Whether a series goes on after an iteration, and if not, why it stopped.
enum class SeriesStop {
    GoesOn,
    ReachedPrecision, // its term was at or below the precision
    NaNTerm,          // its term was NaN, which compares as "at or below"
    IterationLimit    // it summed 30 terms, the last still above the precision
};

// One value handed over by the evaluator, with the facts behind it.
struct SeriesValue {
    SeriesKind Kind;
    int Iteration;   // n, from 1; 0 for the combined value
    float Term;      // the n-th term as the stop test sees it; 0 for the combined value
    float Value;     // running value of the series, or the combined value
    SeriesStop Stop; // the stop test's verdict after this iteration; GoesOn for the combined value
    float Numerator; // x(2x)^n or x^(n+1) as stored; 0 for the combined value
    float Factorial; // n! as stored; 0 for the combined value
};

template <typename F>
concept SeriesReceiver = std::invocable<F&, const SeriesValue&>;

inline constexpr float IterationLimit = 30;

// The stop test, the one place that decides. A series goes on while its term
// is above the precision and fewer than 30 terms are summed. An unordered
// comparison counts as "less or equal", so a NaN term ends the series.
inline SeriesStop StopTest(float counter, float lastTerm, float precision) {
    if (!(lastTerm > precision))
        return std::isnan(lastTerm) ? SeriesStop::NaNTerm : SeriesStop::ReachedPrecision;
    return counter <= IterationLimit ? SeriesStop::GoesOn : SeriesStop::IterationLimit;
}

// Sums both series term by term in single precision with intermediates in
// `Ext`, handing each running value to `receiver` before the next iteration
// starts, then hands over the combined value. Each series stops after the first
// term <= state.Precision (a NaN term counts as <=), or after 30 terms. Expects
// state.Series1 == 1 on entry and leaves the first series' final value there.
// Floating-point faults are not trapped: NaN and infinity flow on.
//
// Every assignment widens its single operands to Ext, computes in Ext and
// rounds to single once, on the store. A template, so that the receiver is
// inlined; `Ext` is a parameter only so that tests can run both kinds of
// extended arithmetic side by side.
template <typename Ext = Extended, SeriesReceiver Receiver>
void EvaluateSeriesIn(TCalcState& state, Receiver&& receiver) {
    const auto E = [](float value) { return Ext(value); };
    const auto Store = [](const Ext& value) { return static_cast<float>(value); };
    const float One = 1;
    const float Two = 2;
    const float Five = 5;
    const float X = state.X;
    const float Precision = state.Precision;
    float LastTerm;
    SeriesStop Stop;

    float Counter1 = One;
    float Numerator1 = X;
    float Factorial1 = One;
    float PartialSum1 = 0;
    do {
        Counter1 = Store(E(Counter1) + E(One));
        const float Index1 = Store(E(Counter1) - E(One));
        Numerator1 = Store(E(Numerator1) * E(X) * E(Two));
        Factorial1 = Store(E(Index1) * E(Factorial1));
        // The quotient joins the sum unrounded; the term for the stop test is
        // the same quotient rounded to single.
        PartialSum1 = Store(E(Numerator1) / (E(X) * E(Factorial1)) + E(PartialSum1));
        state.Series1 = Store(E(PartialSum1) + E(One));
        LastTerm = Store(E(Numerator1) / (E(X) * E(Factorial1)));
        Stop = StopTest(Counter1, LastTerm, Precision);
        receiver(SeriesValue{SeriesKind::First, static_cast<int>(Index1), LastTerm, state.Series1,
                             Stop, Numerator1, Factorial1});
    } while (Stop == SeriesStop::GoesOn);

    float Counter2 = One;
    float Numerator2 = X;
    float Factorial2 = One;
    float PartialSum2 = 0;
    float Series2 = One;
    do {
        Counter2 = Store(E(Counter2) + E(One));
        const float Index2 = Store(E(Counter2) - E(One));
        Numerator2 = Store(E(Numerator2) * E(X));
        Factorial2 = Store(E(Index2) * E(Factorial2));
        PartialSum2 = Store(E(Numerator2) / (E(X) * E(Factorial2)) + E(PartialSum2));
        Series2 = Store((E(PartialSum2) + E(One)) * E(Five));
        LastTerm = Store(E(Numerator2) / (E(X) * E(Factorial2)));
        Stop = StopTest(Counter2, LastTerm, Precision);
        receiver(SeriesValue{SeriesKind::Second, static_cast<int>(Index2), LastTerm, Series2, Stop,
                             Numerator2, Factorial2});
    } while (Stop == SeriesStop::GoesOn);

    const float FinalValue = Store((E(state.Series1) - E(Series2)) / E(X) * E(X) * E(X) * E(X));
    receiver(SeriesValue{SeriesKind::Combined, 0, 0, FinalValue, SeriesStop::GoesOn, 0, 0});
}

// The evaluator the program uses: intermediates in this build's Extended.
template <SeriesReceiver Receiver> void EvaluateSeries(TCalcState& state, Receiver&& receiver) {
    EvaluateSeriesIn<Extended>(state, receiver);
}
