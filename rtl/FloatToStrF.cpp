#include "FloatToStrF.h"

#include "SoftExtended.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <gmp.h>
#include <mpfr.h>

namespace {

constexpr int MaxPrecision = 18;
constexpr int MaxExponentDigits = 4;

// The exact decimal expansion of a finite non-zero value's magnitude: all its
// significant digits and the decimal exponent of the first one.
struct DecimalExpansion {
    std::string Digits;
    long Exponent = 0;
};

DecimalExpansion ExactExpansion(mpfr_srcptr value) {
    // |value| = odd x 2^lowestBit has exactly -lowestBit digits after the
    // point when lowestBit < 0, and at most binaryExponent digits before it;
    // asking for that many makes MPFR's rounding a no-op.
    mpz_t significand;
    mpz_init(significand);
    const mpfr_exp_t lowestBit =
        mpfr_get_z_2exp(significand, value) + static_cast<mpfr_exp_t>(mpz_scan1(significand, 0));
    mpz_clear(significand);
    const mpfr_exp_t binaryExponent = mpfr_get_exp(value);
    const auto count = static_cast<std::size_t>(std::max<mpfr_exp_t>(0, binaryExponent) +
                                                std::max<mpfr_exp_t>(0, -lowestBit) + 2);

    mpfr_exp_t pointExponent = 0; // |value| = 0.DIGITS x 10^pointExponent
    char* digits = mpfr_get_str(nullptr, &pointExponent, 10, count, value, MPFR_RNDN);
    if (digits == nullptr)
        throw std::logic_error("FloatToStrF: no decimal expansion");
    DecimalExpansion expansion{digits + (digits[0] == '-' ? 1 : 0),
                               static_cast<long>(pointExponent - 1)};
    mpfr_free_str(digits);
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

    // Every Extended fits in 64 bits, so this holds it exactly, on either path.
    const SoftExtended exact(value);
    const mpfr_srcptr v = exact.Get();
    const bool negative = mpfr_signbit(v) != 0;
    if (mpfr_nan_p(v))
        return "NAN";
    if (mpfr_inf_p(v))
        return negative ? "-INF" : "INF";
    if (mpfr_zero_p(v))
        return "0";
    const DecimalExpansion expansion = ExactExpansion(v);

    const auto kept = static_cast<std::size_t>(precision);

    // Round to `precision` significant digits, ties away from zero: the
    // magnitude goes up exactly when the first dropped digit is 5 or more.
    std::string mantissa = expansion.Digits.substr(0, kept);
    long exponent = expansion.Exponent;
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
    if (negative)
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
