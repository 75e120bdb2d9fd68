#include "ValueLine.h"

#include "FloatToStrF.h"

std::string ValueLine(std::string_view prefix, float value, const TFormatSettings& settings) {
    std::string line(prefix);
    line += FloatToStrF(value, ffGeneral, 7, 2, settings);
    return line;
}
