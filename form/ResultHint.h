#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <string>
#include <string_view>

// What a result label holds: "e^2x series", "5e^x series", or the combined
// value. Its hint until the first computation.
std::string_view ResultName(SeriesKind kind);

// A result label's hint after a computation: its name; for a series the terms
// summed and why it stopped; the exact value and the difference shown - exact,
// numbers as the window writes them.
std::string ResultHint(SeriesKind kind, const SeriesSummary& summary,
                       const TFormatSettings& settings = FormatSettings);
