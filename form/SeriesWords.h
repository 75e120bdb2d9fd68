#pragma once

#include "EvaluateSeries.h"

#include <QString>

// What the window calls each series and the combined value, and the words
// that differ between them: one row a kind, in the user's language.
struct SeriesWords {
    QString Name;   // "e^2x": the convergence table and plot
    QString Result; // "e^2x series": a result's tooltip and accessible name
    QString Exact;  // "e^(2x)": what it approaches, as a formula
    QString Spoken; // "e^2x: %1": the result read out
    const char* Id; // "First": the plot's object name
};

SeriesWords WordsFor(SeriesKind kind);
