#include "ValueLine.h"

#include "FloatToStrF.h"

#include <cmath>
#include <cstdio>

std::string ShownValue(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 7, 2, settings);
}

std::string RoughValue(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 2, 2, settings);
}

std::string SplitValue(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 3, 2, settings);
}

std::string Hundredths(double value, const TFormatSettings& settings) {
    if (!std::isfinite(value))
        return ShownValue(value, settings);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string written = text;
    if (const auto point = written.find_first_of(".,"); point != std::string::npos)
        written[point] = settings.DecimalSeparator; // whatever the C library's locale
    return written;
}

std::string ValueLine(std::string_view prefix, float value, const TFormatSettings& settings) {
    return std::string(prefix) + ShownValue(value, settings);
}
