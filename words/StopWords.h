#pragma once

#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <string>
#include <vector>

// Why a series stopped, as sentences that the window and series-table share.
// A sentence is English text with the placeholders %1, %2, …, which the
// window translates (context "StopText"); its arguments are facts, which each
// caller writes in its own way.
struct Sentence {
    struct Argument {
        enum { Number, Count, Words } Kind;
        double Value = 0;           // a Number or a Count
        const char* Text = nullptr; // Words: a phrase, translated like the sentence
    };
    const char* Text = nullptr; // null: nothing to say
    std::vector<Argument> Arguments;
};

// The stop test's verdict with the last term and the precision; nothing for
// the combined value.
Sentence StopReason(const SeriesSummary& summary);

// Where the value first became INF or NaN, and why; nothing if it stayed finite.
Sentence NonFiniteReason(const SeriesSummary& summary);

// The iteration after which the value never changes again, where that comes
// before the series stopped; nothing otherwise.
Sentence SettledReason(const SeriesSummary& summary);

// The sentence in English, numbers written as the window writes them.
std::string English(const Sentence& sentence, const TFormatSettings& settings);
