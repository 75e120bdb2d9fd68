#pragma once

#include "EvaluateSeries.h"
#include "ExactNumber.h"

#include <optional>
#include <span>
#include <vector>

// What a series or the combined value approaches, at the float x: e^(2x),
// 5e^x, or (e^(2x) - 5e^x) x^2; 1, 5 and 0 at x = 0. To 64 bits, rounded to
// double.
double ExactDouble(SeriesKind kind, float x);

// How much the subtraction of the two series' singles magnifies their errors:
// (|first| + |second|) / |first - second|, correctly rounded; infinite where
// they are equal.
double ConditionNumber(float first, float second);

// Where the error of one handed-over value comes from. Exact values are those
// of the same truncated series at the float x, without rounding; each is
// rounded once into an ExactNumber, so every digit of its 17 is right.
struct ValueErrors {
    ExactNumber Partial;    // the exact sum of the first n terms; (P1 - P2) x^2 when combined
    ExactNumber Limit;      // what its kind approaches, as ExactDouble says
    ExactNumber Truncation; // Partial - Limit: minus the exact tail, which stays exact when tiny
    // Value - Partial, from the single's own bits; none where Value is INF or NaN.
    std::optional<ExactNumber> Rounding;
    // Rounding over the spacing of singles at Value, 2^(floor(log2 |Value|) - 23)
    // or 2^-149 below the normal range; none where Value is 0, INF or NaN.
    std::optional<double> Ulps;
    // Correct digits, -log10(|Value - Limit| / |Limit|); none where Value is INF
    // or NaN, Limit is 0 or Value equals it.
    std::optional<double> Digits;
    double Double;           // the same statements with double stores, after the same n terms
    ExactNumber DoubleError; // Double - Limit
};

// The errors of every value of one run, in the order they were handed over.
// `values` is the whole run, both series and the combined value; for less the
// answer is empty.
std::vector<ValueErrors> SplitErrors(std::span<const SeriesValue> values);
