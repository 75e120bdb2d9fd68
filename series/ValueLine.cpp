#include "ValueLine.h"

#include "FloatToStrF.h"

std::string ShownValue(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 7, 2, settings);
}

std::string RoughValue(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 2, 2, settings);
}

std::string ValueLine(std::string_view prefix, float value, const TFormatSettings& settings) {
    return std::string(prefix) + ShownValue(value, settings);
}
