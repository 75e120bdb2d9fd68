#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <QString>

// A result label's hint after a computation: its name; for a series the terms
// summed and why it stopped; the exact value and the difference shown - exact,
// numbers as the window writes them.
QString ResultHint(const SeriesSummary& summary, const TFormatSettings& settings);
