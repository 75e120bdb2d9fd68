#include "StrToFloat.h"

#include "Exception.h"
#include "SoftExtended.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

#include <mpfr.h>

namespace {

// At most this many significant digits are handed to MPFR. Every midpoint
// between two adjacent Extended values has fewer significant decimal digits
// (about 11,500 for the smallest subnormals of the 64-bit format), so cutting the
// digits here and standing in a single '1' for any non-zero digit cut off rounds
// the same way as the full text while keeping the work bounded.
constexpr std::size_t MaxSignificantDigits = 20000;

// Reading an exponent stops accumulating once it reaches this magnitude, far
// beyond any range, so that adding the digit counts cannot overflow an int64_t.
constexpr std::int64_t ExponentSaturation = 100'000'000'000'000'000;

// Every non-zero value whose decimal exponent lies beyond this overflows or
// underflows Extended, so the exponent handed to MPFR is clamped to it.
constexpr std::int64_t ExponentClamp = 100'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The x87 extended format in MPFR's terms: a 64-bit significand, values
// 0.1b x 2^e with e up to 16384, and subnormals down to 2^-16445.
constexpr mpfr_prec_t ExtendedBits = 64;
constexpr mpfr_exp_t ExtendedMaxExponent = 16384;
constexpr mpfr_exp_t ExtendedMinSubnormalExponent = -16444;

// Narrows MPFR's exponent range to the x87's while it lives.
class ExtendedRange {
public:
    ExtendedRange() : Min(mpfr_get_emin()), Max(mpfr_get_emax()) {
        mpfr_set_emin(ExtendedMinSubnormalExponent);
        mpfr_set_emax(ExtendedMaxExponent);
    }
    ~ExtendedRange() {
        mpfr_set_emin(Min);
        mpfr_set_emax(Max);
    }
    ExtendedRange(const ExtendedRange&) = delete;
    ExtendedRange& operator=(const ExtendedRange&) = delete;

private:
    mpfr_exp_t Min;
    mpfr_exp_t Max;
};

[[noreturn]] void ThrowNotANumber(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

} // namespace

Extended StrToFloat(std::string_view text, const TFormatSettings& settings) {
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && text[pos] == ' ')
        ++pos;
    while (end > pos && text[end - 1] == ' ')
        --end;

    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // Mantissa: the value is 0.<significant> x 10^pointExponent.
    std::string significant;
    std::int64_t pointExponent = 0;
    bool anyDigit = false;
    bool seenSeparator = false;
    bool droppedNonZero = false;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (!seenSeparator)
                ++pointExponent;
            if (significant.empty() && c == '0')
                --pointExponent; // a leading zero
            else if (significant.size() < MaxSignificantDigits)
                significant += c;
            else if (c != '0')
                droppedNonZero = true;
        } else if (c == settings.DecimalSeparator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        ThrowNotANumber(text);

    std::int64_t exponent = 0;
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        const std::size_t exponentStart = pos;
        for (; pos < end && IsDigit(text[pos]); ++pos) {
            if (exponent < ExponentSaturation)
                exponent = exponent * 10 + (text[pos] - '0');
        }
        if (pos == exponentStart)
            ThrowNotANumber(text);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != end)
        ThrowNotANumber(text);

    // Rewrite in one plain form for MPFR, whatever the separator: it does not
    // look at the C locale, unlike strtold.
    std::string normalized;
    normalized.reserve(significant.size() + 16);
    if (negative)
        normalized += '-';
    if (significant.empty()) {
        normalized += '0';
    } else {
        normalized += "0.";
        normalized += significant;
        if (droppedNonZero)
            normalized += '1';
        normalized += 'e';
        const std::int64_t decimalExponent =
            std::clamp(pointExponent + exponent, -ExponentClamp, ExponentClamp);
        char exponentText[24];
        const auto written =
            std::to_chars(exponentText, exponentText + sizeof exponentText, decimalExponent);
        normalized.append(exponentText, written.ptr);
    }

    // One correct rounding to the x87's extended format, subnormals included;
    // a value too small for it becomes zero with its sign.
    mpfr_t value;
    mpfr_init2(value, ExtendedBits);
    {
        const ExtendedRange range;
        char* parsedEnd = nullptr;
        const int inexact = mpfr_strtofr(value, normalized.c_str(), &parsedEnd, 10, MPFR_RNDN);
        mpfr_subnormalize(value, mpfr_check_range(value, inexact, MPFR_RNDN), MPFR_RNDN);
    }
    if (mpfr_inf_p(value)) {
        mpfr_clear(value);
        ThrowNotANumber(text);
    }
    const SoftExtended result(value); // exact: value has 64 bits
    mpfr_clear(value);
    return static_cast<Extended>(result);
}
