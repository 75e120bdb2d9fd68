#pragma once

#include "CalcRecord.h"
#include "EvaluateSeries.h"
#include "FormatSettings.h"

#include <QString>

// What the window tells screen readers, in the user's language, numbers
// written as the labels show them.

// A result with the series it belongs to: "e^2x: 7,388995".
QString SpokenResult(SeriesKind kind, float value, const TFormatSettings& settings);

// That the record went to the file.
QString SpokenSaved();

// The record read back: its precision, x and value of the first series.
QString SpokenRecord(const CalcRecord& record, const TFormatSettings& settings);
