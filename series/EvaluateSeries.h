#pragma once

#include "CalcState.h"
#include "Extended.h"

#include <cmath>
#include <concepts>
#include <type_traits>

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

// One value handed over by the evaluator, with the facts behind it. `Stored` is
// the type every assignment stores: single as the program does, or double for
// the same statements one precision up.
template <typename Stored> struct BasicSeriesValue {
    SeriesKind Kind;
    int Iteration;    // n, from 1; 0 for the combined value
    Stored Term;      // the n-th term as the stop test sees it; 0 for the combined value
    Stored Value;     // running value of the series, or the combined value
    SeriesStop Stop;  // the stop test's verdict after this iteration; GoesOn for the combined value
    Stored Numerator; // x(2x)^n or x^(n+1) as stored; 0 for the combined value
    Stored Factorial; // n! as stored; 0 for the combined value
    float X;          // the argument of the run
};

using SeriesValue = BasicSeriesValue<float>;

template <typename F, typename Stored = float>
concept SeriesReceiver = std::invocable < F&,
        const BasicSeriesValue<Stored>
& > ;

// How many terms each series sums: 0 lets the stop rule decide; a count repeats
// the iterations of an earlier run.
struct IterationCounts {
    int First = 0;
    int Second = 0;
};

inline constexpr float IterationLimit = 30;

// The stop test, the one place that decides. A series goes on while its term
// is above the precision and fewer than 30 terms are summed. An unordered
// comparison counts as "less or equal", so a NaN term ends the series.
template <typename Stored> SeriesStop StopTest(Stored counter, Stored lastTerm, float precision) {
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
// Every assignment widens its operands to Ext, computes in Ext and rounds to
// `Stored` once, on the store. A template, so that the receiver is inlined;
// `Ext` is a parameter so that tests can run both kinds of extended arithmetic
// side by side, and `Stored` so that the same statements can run with double
// stores (which leave state.Series1 alone), for as many terms as `counts` says.
template <typename Ext = Extended, typename Stored = float, typename Receiver>
requires SeriesReceiver<Receiver, Stored>
void EvaluateSeriesIn(TCalcState& state, Receiver&& receiver, IterationCounts counts = {}) {
    using Value = BasicSeriesValue<Stored>;
    const auto E = [](Stored value) { return Ext(value); };
    const auto Store = [](const Ext& value) { return static_cast<Stored>(value); };
    const auto GoesOn = [](int count, Stored index, SeriesStop stop) {
        return count > 0 ? index < count : stop == SeriesStop::GoesOn;
    };
    const Stored One = 1;
    const Stored Two = 2;
    const Stored Five = 5;
    const Stored X = state.X;
    const float Precision = state.Precision;
    Stored LastTerm;
    SeriesStop Stop;

    Stored Counter1 = One;
    Stored Index1;
    Stored Numerator1 = X;
    Stored Factorial1 = One;
    Stored PartialSum1 = 0;
    Stored Series1 = One;
    do {
        Counter1 = Store(E(Counter1) + E(One));
        Index1 = Store(E(Counter1) - E(One));
        Numerator1 = Store(E(Numerator1) * E(X) * E(Two));
        Factorial1 = Store(E(Index1) * E(Factorial1));
        // The quotient joins the sum unrounded; the term for the stop test is
        // the same quotient rounded on its store.
        PartialSum1 = Store(E(Numerator1) / (E(X) * E(Factorial1)) + E(PartialSum1));
        Series1 = Store(E(PartialSum1) + E(One));
        if constexpr (std::is_same_v<Stored, float>)
            state.Series1 = Series1;
        LastTerm = Store(E(Numerator1) / (E(X) * E(Factorial1)));
        Stop = StopTest(Counter1, LastTerm, Precision);
        receiver(Value{SeriesKind::First, static_cast<int>(Index1), LastTerm, Series1, Stop,
                       Numerator1, Factorial1, state.X});
    } while (GoesOn(counts.First, Index1, Stop));

    Stored Counter2 = One;
    Stored Index2;
    Stored Numerator2 = X;
    Stored Factorial2 = One;
    Stored PartialSum2 = 0;
    Stored Series2 = One;
    do {
        Counter2 = Store(E(Counter2) + E(One));
        Index2 = Store(E(Counter2) - E(One));
        Numerator2 = Store(E(Numerator2) * E(X));
        Factorial2 = Store(E(Index2) * E(Factorial2));
        PartialSum2 = Store(E(Numerator2) / (E(X) * E(Factorial2)) + E(PartialSum2));
        Series2 = Store((E(PartialSum2) + E(One)) * E(Five));
        LastTerm = Store(E(Numerator2) / (E(X) * E(Factorial2)));
        Stop = StopTest(Counter2, LastTerm, Precision);
        receiver(Value{SeriesKind::Second, static_cast<int>(Index2), LastTerm, Series2, Stop,
                       Numerator2, Factorial2, state.X});
    } while (GoesOn(counts.Second, Index2, Stop));

    const Stored FinalValue = Store((E(Series1) - E(Series2)) / E(X) * E(X) * E(X) * E(X));
    receiver(Value{SeriesKind::Combined, 0, 0, FinalValue, SeriesStop::GoesOn, 0, 0, state.X});
}

// The evaluator the program uses: intermediates in this build's Extended.
template <SeriesReceiver Receiver> void EvaluateSeries(TCalcState& state, Receiver&& receiver) {
    EvaluateSeriesIn<Extended>(state, receiver);
}
