#pragma once

#include "FormatSettings.h"

#include <string>
#include <string_view>

// A number as the window shows it: the general format with 7 significant
// digits, "7.388995". Exact for every single and double.
std::string ShownValue(double value, const TFormatSettings& settings);

// Two significant digits, the settings' separator: "4.4", "6.1E-05", where a
// sentence gives the size of an error.
std::string RoughValue(double value, const TFormatSettings& settings);

// Three significant digits: "-6.14E-05", where a table splits an error into
// its parts.
std::string SplitValue(double value, const TFormatSettings& settings);

// Two decimals, the settings' separator: "0.98", "-5.30", for ulps and
// correct digits; "INF" and "NAN" as the window writes them.
std::string Hundredths(double value, const TFormatSettings& settings);

// A caption made of a prefix and a number in the general format with 7
// significant digits, nothing in between: "Результат:7.388995".
std::string ValueLine(std::string_view prefix, float value, const TFormatSettings& settings);
