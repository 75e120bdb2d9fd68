#include "SeriesCsv.h"

#include "SeriesSummary.h"
#include "ValueLine.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

std::string TwoDecimals(const std::optional<double>& value) {
    if (!value)
        return {};
    char text[400];
    const auto result =
        std::to_chars(text, text + sizeof text, *value, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
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

std::string ScientificText(const ExactNumber& value, int digits) {
    mpfr_srcptr v = value.Get();
    if (mpfr_nan_p(v))
        return "nan";
    if (mpfr_inf_p(v))
        return mpfr_signbit(v) ? "-inf" : "inf";
    std::string text = mpfr_signbit(v) && !mpfr_zero_p(v) ? "-" : "";
    long exponent = 1; // of the first digit, plus one
    std::string significand(digits, '0');
    if (!mpfr_zero_p(v)) { // an exact value's zero has no sign
        char* got = mpfr_get_str(nullptr, &exponent, 10, digits, v, MPFR_RNDN);
        significand = got + (got[0] == '-');
        mpfr_free_str(got);
    }
    char power[24];
    std::snprintf(power, sizeof power, "e%c%02ld", exponent - 1 < 0 ? '-' : '+',
                  std::labs(exponent - 1));
    return text + significand[0] + (digits > 1 ? "." + significand.substr(1) : "") + power;
}

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
        csv += Row(v) + ',' + ScientificText(e.Partial, 17) + ',' + ScientificText(e.Limit, 17) +
               ',' + ScientificText(e.Truncation, 17) + ',' +
               (e.Rounding ? ScientificText(*e.Rounding, 17) : "") + ',' + TwoDecimals(e.Ulps) +
               ',' + TwoDecimals(e.Digits) + ',' + Exact(e.Double) + ',';
        if (v.Kind == SeriesKind::Combined)
            csv += Exact(ConditionNumber(last[0], last[1]));
        else
            last[v.Kind == SeriesKind::First ? 0 : 1] = v.Value;
        csv += '\n';
    }
    return csv;
}
