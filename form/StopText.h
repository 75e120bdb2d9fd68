#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <QString>

// Why a series stopped, in the user's language: with the last term and the
// precision, and, where the value became INF or NaN, the iteration and the
// cause on a further line, and where the sum stopped changing before that, on
// the last. Empty for the combined value.
QString StopText(const SeriesSummary& summary, const TFormatSettings& settings);

// Only the last of those: after which term the sum no longer changes, or empty.
QString SettledText(const SeriesSummary& summary);
