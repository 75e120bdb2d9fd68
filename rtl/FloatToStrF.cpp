#include "FloatToStrF.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

constexpr int MaxPrecision = 18;
constexpr int MaxExponentDigits = 4;

static_assert(std::numeric_limits<Extended>::digits <= 64);

// The exact decimal expansion of a finite positive value: all its significant
// digits and the decimal exponent of the first one.
struct DecimalExpansion {
    std::string Digits;
    int Exponent = 0;
};

DecimalExpansion ExactExpansion(Extended magnitude) {
    // magnitude = odd x 2^lowestBit has exactly -lowestBit digits after the
    // point when lowestBit < 0, and fewer than binaryExponent digits before it;
    // asking to_chars for that many makes its rounding a no-op.
    constexpr int Bits = std::numeric_limits<Extended>::digits;
    int binaryExponent = 0;
    const Extended fraction = std::frexp(magnitude, &binaryExponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, Bits));
    const int lowestBit = binaryExponent - Bits + std::countr_zero(significand);
    const int precision = std::max(0, binaryExponent) + std::max(0, -lowestBit);

    std::string text(static_cast<std::size_t>(precision) + 16, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::scientific, precision);
    if (result.ec != std::errc())
        throw std::logic_error("FloatToStrF: decimal expansion does not fit");
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));

    // text is "d.ddd...e+XX" (or "de+XX" without fraction digits).
    const std::size_t e = text.find('e');
    DecimalExpansion expansion;
    expansion.Digits.reserve(e);
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            expansion.Digits += text[i];
    }
    const char* exponentFirst = text.data() + e + 1;
    if (*exponentFirst == '+')
        ++exponentFirst;
    std::from_chars(exponentFirst, text.data() + text.size(), expansion.Exponent);
    return expansion;
}

} // namespace

std::string FloatToStrF(Extended value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
    if (format != ffGeneral)
        throw std::invalid_argument("FloatToStrF: only the general format is supported");
    if (precision < 1 || precision > MaxPrecision)
        throw std::invalid_argument("FloatToStrF: precision must lie in 1..18");
    if (digits < 0 || digits > MaxExponentDigits)
        throw std::invalid_argument("FloatToStrF: exponent digits must lie in 0..4");

    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    DecimalExpansion expansion = ExactExpansion(std::fabs(value));
    const auto kept = static_cast<std::size_t>(precision);

    // Round to `precision` significant digits, ties away from zero: the
    // magnitude goes up exactly when the first dropped digit is 5 or more.
    std::string mantissa = expansion.Digits.substr(0, kept);
    int exponent = expansion.Exponent;
    if (expansion.Digits.size() > kept && expansion.Digits[kept] >= '5') {
        std::size_t i = mantissa.size();
        while (i > 0 && mantissa[i - 1] == '9') {
            mantissa[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            // 99...9 carried into a new leading digit: one more power of ten.
            mantissa.insert(mantissa.begin(), '1');
            mantissa.pop_back();
            ++exponent;
        } else {
            ++mantissa[i - 1];
        }
    }
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out;
    if (std::signbit(value))
        out += '-';
    const char separator = settings.DecimalSeparator;
    if (exponent >= -5 && exponent < precision) {
        if (exponent < 0) {
            out += '0';
            out += separator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += mantissa;
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (mantissa.size() <= integerDigits) {
                out += mantissa;
                out.append(integerDigits - mantissa.size(), '0');
            } else {
                out.append(mantissa, 0, integerDigits);
                out += separator;
                out.append(mantissa, integerDigits);
            }
        }
    } else {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += separator;
            out.append(mantissa, 1);
        }
        out += 'E';
        if (exponent < 0)
            out += '-';
        const std::string exponentText = std::to_string(std::abs(exponent));
        if (exponentText.size() < static_cast<std::size_t>(digits))
            out.append(static_cast<std::size_t>(digits) - exponentText.size(), '0');
        out += exponentText;
    }
    return out;
}
