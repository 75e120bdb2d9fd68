#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <QString>

// Why a series stopped, in the user's language: with the last term and the
// precision, and, where the value became INF or NaN, the iteration and the
// cause on a second line. Empty for the combined value.
QString StopText(const SeriesSummary& summary, const TFormatSettings& settings);
