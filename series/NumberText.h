#pragma once

#include "ExactNumber.h"
#include "FormatSettings.h"

#include <string>

// Every fixed way the program writes a number. The window's two follow the
// user's decimal separator; the others always write a point, whatever the C
// library's locale, so that files and series-table read the same everywhere.

// As the window shows a number: the general format with 7 significant
// digits, "7.388995", "1.950072E-06". Exact for every single and double.
std::string ShownValue(double value, const TFormatSettings& settings);

// Two significant digits, where a sentence gives the size of an error: "4.4",
// "6.1E-05".
std::string RoughValue(double value, const TFormatSettings& settings);

// Three significant digits, the settings' separator: "-6.14E-05", where a
// table splits an error into its parts.
std::string SplitValue(double value, const TFormatSettings& settings);

// Two decimals, the settings' separator: "0.98", "-5.30", for ulps and
// correct digits; "INF" and "NAN" as the window writes them.
std::string Hundredths(double value, const TFormatSettings& settings);

// `decimals` digits after the settings' separator: an axis label, "2.5".
std::string FixedValue(double value, int decimals, const TFormatSettings& settings);

// 10 to the `power` as a logarithmic axis labels it, with no separator to get
// wrong: "1e-05", "1e+00", "1e+12".
std::string DecadeText(int power);

// The shortest text that reads back to the same number: "0.00028218696";
// "nan" whatever its sign, which differs between processors.
std::string ShortestText(float value);
std::string ShortestText(double value);

// A single's bits as 8 hex digits, sign and NaN payload included: "40EC72A6".
std::string BitsText(float value);

// `decimals` digits after the point: "1.68"; "nan" whatever its sign, and
// what rounds to zero without one.
std::string FixedText(double value, int decimals);

// `digits` significant digits as %.*g writes them: "7.389056099", "-6.09e-05";
// "nan" whatever its sign, and a zero without one.
std::string GeneralText(double value, int digits);

// `digits` significant digits, correctly rounded, as %.*e writes them:
// "-6.14e-05". A zero has no sign.
std::string ScientificText(const ExactNumber& value, int digits);
