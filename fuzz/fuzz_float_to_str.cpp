// Fuzzes FloatToStrF(value, ffGeneral, 7, 2) on every single: four bytes are
// the bit pattern (little-endian), a fifth byte picks the decimal separator.
// The text is taken apart by hand, read back with StrToFloat, and checked
// against the value it came from.

#include "Exception.h"
#include "Extended.h"
#include "FloatToStrF.h"
#include "FormatSettings.h"
#include "StrToFloat.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

constexpr int Precision = 7;
constexpr int ExponentDigits = 2;

// The longest text a finite single can give. Fixed notation is used for a
// decimal exponent e in [-5, 6]; e = -5 needs a sign, "0", the separator,
// four zeros and 7 digits: "-0.00001234568", 14 characters. Scientific needs a
// sign, 7 digits, the separator, "E", an exponent sign and two digits (singles
// stay within 1E-45 .. 3.4E38): "-1.234568E-38", 13. Fixed with e >= 0 is at
// most "-123456.7" or "-1234567": 9.
constexpr std::size_t MaxTextLength = 14;

[[noreturn]] void Fail(const char* what, std::uint32_t bits, char separator,
                       const std::string& text) {
    std::fprintf(stderr, "fuzz_float_to_str: %s (bits 0x%08x, separator '%c', text \"%s\")\n", what,
                 static_cast<unsigned>(bits), separator, text.c_str());
    std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of a finite, non-zero general-format text.
struct Parts {
    bool Negative = false;
    std::string IntegerDigits;
    bool HasSeparator = false;
    std::string FractionDigits;
    bool Scientific = false;
    bool ExponentSignWritten = false;
    std::string ExponentDigitsText;
    int Exponent = 0; // the written exponent, scientific only
};

// Splits "-ddd,ddd" or "-d,dddE-dd"; returns false if the text has another shape.
bool Split(const std::string& text, char separator, Parts& parts) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        parts.Negative = true;
        ++i;
    }
    while (i < text.size() && IsDigit(text[i])) {
        parts.IntegerDigits += text[i++];
    }
    if (i < text.size() && text[i] == separator) {
        parts.HasSeparator = true;
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            parts.FractionDigits += text[i++];
        }
    }
    if (i < text.size() && text[i] == 'E') {
        parts.Scientific = true;
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            parts.ExponentSignWritten = true;
            negativeExponent = text[i] == '-';
            ++i;
        }
        while (i < text.size() && IsDigit(text[i])) {
            parts.ExponentDigitsText += text[i++];
        }
        if (parts.ExponentDigitsText.empty() || parts.ExponentDigitsText.size() > 4) {
            return false;
        }
        parts.Exponent = std::stoi(parts.ExponentDigitsText);
        if (negativeExponent) {
            parts.Exponent = -parts.Exponent;
        }
    }
    return i == text.size() && !parts.IntegerDigits.empty() &&
           (!parts.HasSeparator || !parts.FractionDigits.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const std::uint32_t bits =
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    const float single = std::bit_cast<float>(bits);
    const char separator = size > 4 && (data[4] & 1) != 0 ? ',' : '.';
    const char otherSeparator = separator == ',' ? '.' : ',';
    const TFormatSettings settings{separator};

    std::string text;
    try {
        text = FloatToStrF(single, ffGeneral, Precision, ExponentDigits, settings);
    } catch (...) {
        Fail("FloatToStrF threw", bits, separator, text);
    }

    if (std::isnan(single)) {
        if (text != "NAN") {
            Fail("NaN not shown as NAN", bits, separator, text);
        }
        return 0;
    }
    if (std::isinf(single)) {
        if (text != (single < 0 ? "-INF" : "INF")) {
            Fail("infinity not shown as INF or -INF", bits, separator, text);
        }
        return 0;
    }
    if (single == 0) {
        if (text != "0") {
            Fail("zero not shown as 0", bits, separator, text);
        }
        return 0;
    }

    if (text.size() > MaxTextLength) {
        Fail("text longer than any single needs", bits, separator, text);
    }
    if (text.find(otherSeparator) != std::string::npos) {
        Fail("text holds the other separator", bits, separator, text);
    }

    Parts parts;
    if (!Split(text, separator, parts)) {
        Fail("text is not in the general format", bits, separator, text);
    }
    if (parts.Negative != std::signbit(single)) {
        Fail("sign differs from the value's", bits, separator, text);
    }
    if (parts.HasSeparator && parts.FractionDigits.back() == '0') {
        Fail("trailing zero not removed", bits, separator, text);
    }

    // Significant digits: from the first non-zero digit to the last non-zero one.
    const std::string digits = parts.IntegerDigits + parts.FractionDigits;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        Fail("non-zero value shown with zeros only", bits, separator, text);
    }
    const std::size_t lastNonZero = digits.find_last_not_of('0');
    if (lastNonZero - firstNonZero + 1 > static_cast<std::size_t>(Precision)) {
        Fail("more than 7 significant digits", bits, separator, text);
    }

    // The decimal exponent of the rounded value, read from the text, and the
    // notation it calls for: fixed for [-5, precision - 1].
    int exponent = 0;
    if (parts.Scientific) {
        if (parts.IntegerDigits.size() != 1 || parts.IntegerDigits[0] == '0') {
            Fail("scientific mantissa not one non-zero digit", bits, separator, text);
        }
        if (parts.ExponentDigitsText.size() < static_cast<std::size_t>(ExponentDigits)) {
            Fail("fewer exponent digits than asked for", bits, separator, text);
        }
        if (parts.ExponentDigitsText.size() > static_cast<std::size_t>(ExponentDigits) &&
            parts.ExponentDigitsText[0] == '0') {
            Fail("exponent padded beyond the digits asked for", bits, separator, text);
        }
        exponent = parts.Exponent;
        if (exponent >= -5 && exponent <= Precision - 1) {
            Fail("scientific notation for an exponent in the fixed range", bits, separator, text);
        }
    } else {
        if (parts.IntegerDigits.size() > 1 && parts.IntegerDigits[0] == '0') {
            Fail("leading zero in fixed notation", bits, separator, text);
        }
        if (parts.IntegerDigits != "0") {
            exponent = static_cast<int>(parts.IntegerDigits.size()) - 1;
        } else {
            exponent = -static_cast<int>(parts.FractionDigits.find_first_not_of('0')) - 1;
        }
        if (exponent < -5 || exponent > Precision - 1) {
            Fail("fixed notation for an exponent outside [-5, 6]", bits, separator, text);
        }
    }

    Extended parsed = 0;
    try {
        parsed = StrToFloat(text, settings);
    } catch (const EConvertError&) {
        Fail("StrToFloat rejects the text", bits, separator, text);
    }

    // Half a unit of the 7th significant digit of the rounded value. When the
    // text is an exact power of ten reached by rounding up, the value lay below
    // it, where the 7th digit is ten times finer. The slack covers the inexact
    // power of ten and StrToFloat's own rounding to Extended.
    const long double value = single;
    const long double rounded = static_cast<long double>(parsed);
    const bool powerOfTen = lastNonZero == firstNonZero && digits[firstNonZero] == '1';
    const int unitExponent =
        (powerOfTen && std::fabs(value) < std::fabs(rounded) ? exponent - 1 : exponent) -
        (Precision - 1);
    const long double halfUnit = 0.5L * std::pow(10.0L, static_cast<long double>(unitExponent));
    const long double bound = halfUnit * (1 + 1e-12L) +
                              4 * std::fabs(rounded) * std::numeric_limits<long double>::epsilon();
    if (!(std::fabs(rounded - value) <= bound)) {
        std::fprintf(stderr, "value %.21Lg, read back %.21Lg, bound %.6Lg\n", value, rounded,
                     bound);
        Fail("read-back value further than half a unit in the 7th digit", bits, separator, text);
    }
    return 0;
}
