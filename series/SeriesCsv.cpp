#include "SeriesCsv.h"

#include "ValueLine.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// The shortest text that reads back to the same single.
std::string Exact(float value) {
    if (std::isnan(value))
        return "nan";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// The single's bits as 8 hex digits, sign and NaN payload included, so that
// two machines' outputs compare with diff.
std::string Bits(float value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X",
                  static_cast<unsigned>(std::bit_cast<std::uint32_t>(value)));
    return text;
}

} // namespace

std::string SeriesCsv(std::span<const SeriesValue> values) {
    std::string csv = "series,iteration,term,value,shown,bits\n";
    for (const SeriesValue& v : values) {
        if (v.Kind == SeriesKind::Combined)
            csv += "final,,,";
        else
            csv += (v.Kind == SeriesKind::First ? "1," : "2,") + std::to_string(v.Iteration) + ',' +
                   Exact(v.Term) + ',';
        csv += Exact(v.Value) + ',' + ShownValue(v.Value, TFormatSettings{'.'}) + ',' +
               Bits(v.Value) + '\n';
    }
    return csv;
}
