#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <string>

// Why a series stopped, in sentences that the window and series-table share.
// Each is written in English with the placeholders %1, %2, …, which take
// numbers written with `settings`. `translate` gives a sentence, or a phrase
// within one, in the user's language (context "StopText"); without it they
// stay English. Each says nothing (an empty text) where it has nothing to say.
using Translate = std::string (*)(const char* english);

// The stop test's verdict with the last term and the precision; nothing for
// the combined value.
std::string StopReason(const SeriesSummary& summary, const TFormatSettings& settings,
                       Translate translate = nullptr);

// Where the value first became INF or NaN, and why; nothing if it stayed finite.
std::string NonFiniteReason(const SeriesSummary& summary, const TFormatSettings& settings,
                            Translate translate = nullptr);

// The iteration after which the value never changes again, where that comes
// before the series stopped; nothing otherwise.
std::string SettledReason(const SeriesSummary& summary, Translate translate = nullptr);
