#pragma once

#include "Extended.h"
#include "FormatSettings.h"

#include <string>

enum TFloatFormat { ffGeneral = 0, ffExponent, ffFixed, ffNumber, ffCurrency };

// Formats a value in the general format: rounded to `precision` significant
// digits with ties away from zero, fixed notation while the decimal exponent of
// the rounded value lies in [-5, precision - 1], scientific notation otherwise
// with at least `digits` exponent digits; trailing zeros removed. Zero shows as
// "0", NaN as "NAN", infinities as "INF" and "-INF". Only ffGeneral is
// supported; exact for every value that a single or a double can hold.
std::string FloatToStrF(Extended value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings = FormatSettings);
