#include "NumberText.h"

#include "FloatToStrF.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

namespace {

template <typename Float> std::string Shortest(Float value) {
    if (std::isnan(value))
        return "nan";
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string Hex(unsigned long value, int width) {
    std::ostringstream text;
    text << std::uppercase << std::hex << std::setfill('0') << std::setw(width) << value;
    return text.str();
}

// As %e writes the power of ten: "e-05", "e+12".
std::string Exponent(long power) {
    return std::string("e") + (power < 0 ? '-' : '+') + (std::labs(power) < 10 ? "0" : "") +
           std::to_string(std::labs(power));
}

} // namespace

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
    return std::isfinite(value) ? FixedValue(value, 2, settings) : ShownValue(value, settings);
}

std::string FixedValue(double value, int decimals, const TFormatSettings& settings) {
    std::string written = FixedText(value, decimals);
    if (const auto point = written.find('.'); point != std::string::npos)
        written[point] = settings.DecimalSeparator;
    return written;
}

std::string DecadeText(int power) {
    return "1" + Exponent(power);
}

std::string ShortestText(float value) {
    return Shortest(value);
}

std::string ShortestText(double value) {
    return Shortest(value);
}

std::string BitsText(float value) {
    return Hex(std::bit_cast<std::uint32_t>(value), 8);
}

std::string FixedText(double value, int decimals) {
    if (std::isnan(value))
        return "nan";
    char text[400];
    std::string written(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
    if (written[0] == '-' && written.find_first_not_of("-0.") == std::string::npos)
        written.erase(0, 1); // what rounds to zero has no sign
    return written;
}

std::string GeneralText(double value, int digits) {
    if (std::isnan(value))
        return "nan";
    if (value == 0)
        return "0";
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::setprecision(digits) << value;
    return text.str();
}

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
    return text + significand[0] + (digits > 1 ? "." + significand.substr(1) : "") +
           Exponent(exponent - 1);
}
