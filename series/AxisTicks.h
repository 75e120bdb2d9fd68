#pragma once

#include "FormatSettings.h"

#include <string>
#include <vector>

// Where a plot's axis has its ticks, and what they say, each label with the
// settings' separator.
struct AxisTicks {
    double First = 0; // the lowest tick in the range, a whole multiple of Step
    double Step = 1;
    std::vector<std::string> Labels; // from First up, one a tick
};

// A linear axis: round numbers, 1, 2 or 5 times a power of ten apart, at least
// four of them in the range, each label with just the decimals the step needs,
// so that no two are the same. Beyond 10^7 or below 10^-4, the window's own
// format ("2,5E10") where that still tells the ticks apart.
AxisTicks LinearTicks(double low, double high, const TFormatSettings& settings);

// The n axis of a run of `last` terms: a tick on every term up to 10 of them,
// on every fifth beyond.
AxisTicks TermTicks(int last, const TFormatSettings& settings);

// A logarithmic axis from 10^low to 10^high, in powers of ten: a label on
// every decade up to 14 of them, on every second up to 28, and further apart
// only beyond (35 decades from a tiny truncation); on multiples of the step.
AxisTicks DecadeTicks(int low, int high);
