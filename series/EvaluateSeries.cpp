#include "EvaluateSeries.h"

#include "Extended.h"

namespace {

// Every assignment below widens its single operands to Extended, computes in
// Extended and rounds to single once, on the store.
Extended Ext(float value) {
    return static_cast<Extended>(value);
}

const float One = 1;
const float Two = 2;
const float Five = 5;

// A series goes on while its term is above the precision. An unordered
// comparison counts as "less or equal", so a NaN term ends the series.
bool GoesOn(float counter, float lastTerm, float precision) {
    return counter <= IterationLimit && lastTerm > precision;
}

} // namespace

void EvaluateSeries(TCalcState& state, const SeriesReceiver& receiver) {
    const float X = state.X;
    const float Precision = state.Precision;
    float LastTerm;

    float Counter1 = One;
    float Numerator1 = X;
    float Factorial1 = One;
    float PartialSum1 = 0;
    do {
        Counter1 = static_cast<float>(Ext(Counter1) + Ext(One));
        const float Index1 = static_cast<float>(Ext(Counter1) - Ext(One));
        Numerator1 = static_cast<float>(Ext(Numerator1) * Ext(X) * Ext(Two));
        Factorial1 = static_cast<float>(Ext(Index1) * Ext(Factorial1));
        // The quotient joins the sum unrounded; the term for the stop test is
        // the same quotient rounded to single.
        PartialSum1 =
            static_cast<float>(Ext(Numerator1) / (Ext(X) * Ext(Factorial1)) + Ext(PartialSum1));
        state.Series1 = static_cast<float>(Ext(PartialSum1) + Ext(One));
        LastTerm = static_cast<float>(Ext(Numerator1) / (Ext(X) * Ext(Factorial1)));
        receiver({SeriesKind::First, static_cast<int>(Index1), LastTerm, state.Series1});
    } while (GoesOn(Counter1, LastTerm, Precision));

    float Counter2 = One;
    float Numerator2 = X;
    float Factorial2 = One;
    float PartialSum2 = 0;
    float Series2 = One;
    do {
        Counter2 = static_cast<float>(Ext(Counter2) + Ext(One));
        const float Index2 = static_cast<float>(Ext(Counter2) - Ext(One));
        Numerator2 = static_cast<float>(Ext(Numerator2) * Ext(X));
        Factorial2 = static_cast<float>(Ext(Index2) * Ext(Factorial2));
        PartialSum2 =
            static_cast<float>(Ext(Numerator2) / (Ext(X) * Ext(Factorial2)) + Ext(PartialSum2));
        Series2 = static_cast<float>((Ext(PartialSum2) + Ext(One)) * Ext(Five));
        LastTerm = static_cast<float>(Ext(Numerator2) / (Ext(X) * Ext(Factorial2)));
        receiver({SeriesKind::Second, static_cast<int>(Index2), LastTerm, Series2});
    } while (GoesOn(Counter2, LastTerm, Precision));

    const float FinalValue =
        static_cast<float>((Ext(state.Series1) - Ext(Series2)) / Ext(X) * Ext(X) * Ext(X) * Ext(X));
    receiver({SeriesKind::Combined, 0, 0, FinalValue});
}
