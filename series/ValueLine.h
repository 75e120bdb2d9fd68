#pragma once

#include "NumberText.h"

#include <string>
#include <string_view>

// A caption made of a prefix and a number in the general format with 7
// significant digits, nothing in between: "Результат:7.388995".
std::string ValueLine(std::string_view prefix, float value, const TFormatSettings& settings);
