#include "ValueLine.h"

std::string ValueLine(std::string_view prefix, float value, const TFormatSettings& settings) {
    return std::string(prefix) + ShownValue(value, settings);
}
