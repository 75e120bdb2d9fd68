#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <QString>

// A result label's hint after a computation: its name; for a series the terms
// summed and why it stopped; the exact value and the difference shown - exact,
// numbers as the window writes them; for the combined value, what cancellation
// cost where that is much.
QString ResultHint(const SeriesSummary& summary, const TFormatSettings& settings);

// For the combined value, where the subtraction of two nearly equal series
// lost more than 3 of a single's 7 digits, a sentence that says so; empty
// otherwise.
QString CancellationText(const SeriesSummary& summary);
