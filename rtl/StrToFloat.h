#pragma once

#include "Extended.h"
#include "FormatSettings.h"

#include <string_view>

// Parses a decimal number as a user types it: optional spaces around it, an
// optional sign, digits with at most one decimal separator (the settings' one),
// and an optional exponent (E or e, optional sign, digits). Anything else, or a
// value beyond the range of Extended, throws EConvertError with the message
// "'<text>' is not a valid floating point value". Independent of the C
// library's global locale.
Extended StrToFloat(std::string_view text, const TFormatSettings& settings = FormatSettings);
