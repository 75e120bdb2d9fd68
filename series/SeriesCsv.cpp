#include "SeriesCsv.h"

#include "SeriesSummary.h"
#include "ValueLine.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// The shortest text that reads back to the same number.
template <typename Float> std::string Exact(Float value) {
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

// 17 significant digits, correctly rounded from all of the number's bits.
std::string Digits17(const ExactNumber& value) {
    if (mpfr_nan_p(value.Get()))
        return "nan";
    if (mpfr_inf_p(value.Get()))
        return mpfr_signbit(value.Get()) ? "-inf" : "inf";
    if (mpfr_zero_p(value.Get())) // an exact value's zero has no sign
        return "0.0000000000000000e+00";
    char text[48];
    mpfr_snprintf(text, sizeof text, "%.16Re", value.Get());
    return text;
}

std::string TwoDecimals(const std::optional<double>& value) {
    if (!value)
        return {};
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", *value);
    return text;
}

std::string Row(const SeriesValue& v) {
    std::string row = v.Kind == SeriesKind::Combined
                          ? "final,,,"
                          : (v.Kind == SeriesKind::First ? "1," : "2,") +
                                std::to_string(v.Iteration) + ',' + Exact(v.Term) + ',';
    return row + Exact(v.Value) + ',' + ShownValue(v.Value, TFormatSettings{'.'}) + ',' +
           Bits(v.Value);
}

} // namespace

std::string SeriesCsv(std::span<const SeriesValue> values) {
    return SeriesCsv(values, SplitErrors(values));
}

std::string SeriesCsv(std::span<const SeriesValue> values, std::span<const ValueErrors> errors) {
    std::string csv = "series,iteration,term,value,shown,bits,partial,limit,truncation,rounding,"
                      "ulps,digits,double,condition\n";
    float last[2] = {0, 0};
    for (std::size_t i = 0; i < values.size() && i < errors.size(); ++i) {
        const SeriesValue& v = values[i];
        const ValueErrors& e = errors[i];
        csv += Row(v) + ',' + Digits17(e.Partial) + ',' + Digits17(e.Limit) + ',' +
               Digits17(e.Truncation) + ',' + (e.Rounding ? Digits17(*e.Rounding) : "") + ',' +
               TwoDecimals(e.Ulps) + ',' + TwoDecimals(e.Digits) + ',' + Exact(e.Double) + ',';
        if (v.Kind == SeriesKind::Combined)
            csv += Exact(ConditionNumber(last[0], last[1]));
        else
            last[v.Kind == SeriesKind::First ? 0 : 1] = v.Value;
        csv += '\n';
    }
    return csv;
}
