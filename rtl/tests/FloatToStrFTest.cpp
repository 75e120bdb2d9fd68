#include "FloatToStrF.h"

#include "CommaLocale.h"
#include "StrToFloat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const TFormatSettings kDot{'.'};
const TFormatSettings kComma{','};

std::string withComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// What the program shows for a single: 7 significant digits, at least 2
// exponent digits. Expected texts follow from the exact value of each float,
// given in the comment where rounding is involved.
struct FloatRow {
    const char* name;
    float value;
    const char* expected;
};

const std::vector<FloatRow> kFloats = {
    // 1234567.5 exactly: a tie, away from zero.
    {"TieRoundsUp", 1234567.5f, "1234568"},
    // 1234568.5 exactly: ties-to-even would give 1234568.
    {"TieRoundsAwayNotToEven", 1234568.5f, "1234569"},
    {"TieRoundsAwayNotToEvenAgain", 6309702.5f, "6309703"},
    {"NegativeTieRoundsAwayFromZero", -1234568.5f, "-1234569"},
    // 0.12890625 exactly: eight digits ending in 5.
    {"SmallTieRoundsUp", 0.12890625f, "0.1289063"},
    {"NegativeSmallTieRoundsAway", -0.12890625f, "-0.1289063"},
    // 123.456748962...: the dropped digit is 4, so no rounding up.
    {"BelowTieRoundsDown", 123.45675f, "123.4567"},
    // 1.50000005306e-7
    {"SmallScientific", 1.5e-7f, "1.5E-07"},
    // 100000002004087734272
    {"LargeScientificTrimsZeros", 1e20f, "1E20"},
    // 12345678 exactly
    {"EightDigitIntegerGoesScientific", 12345678.0f, "1.234568E07"},
    // 16777216 = 2^24
    {"PowerOfTwoRoundsUpInScientific", 16777216.0f, "1.677722E07"},
    // 340282346638528859811704183484516925440
    {"LargestFloat", 3.4028235e38f, "3.402823E38"},
    {"NegativeLargestFloat", -3.4028235e38f, "-3.402823E38"},
    // 99999996802856924650656260769173209088: carries into a new power of ten
    {"CarryIncreasesExponent", 1e38f, "1E38"},
    // 1.40129846432e-45
    {"SmallestDenormal", 1.401298464e-45f, "1.401298E-45"},
    // 2.80259692865e-45
    {"SecondDenormalRoundsUp", 2.8e-45f, "2.802597E-45"},
    // 9.99994610111e-41
    {"Denormal", 1e-40f, "9.999946E-41"},
    // 1.17549435082e-38
    {"SmallestNormal", 1.17549435e-38f, "1.175494E-38"},
    // 1.17549421069e-38: the largest denormal shows like the smallest normal
    {"LargestDenormal", 1.1754942e-38f, "1.175494E-38"},
    // -1.23456776914e-38
    {"NegativeTinyScientific", -1.2345678e-38f, "-1.234568E-38"},
    // 0.100000001490116
    {"Tenth", 0.1f, "0.1"},
    // 0.300000011920929
    {"ThreeTenths", 0.3f, "0.3"},
    // 0.0999999940395355
    {"JustBelowTenth", 0.099999994f, "0.09999999"},
    // 0.999999880790710: rounds up to seven nines
    {"JustBelowOneRoundsToSevenNines", 0.9999999f, "0.9999999"},
    // 1.00000011920929: the next float above 1 still shows as 1
    {"JustAboveOneShowsOne", 1.0000001f, "1"},
    {"HundredThousand", 100000.0f, "100000"},
    // 999999.9375
    {"JustBelowMillion", 999999.94f, "999999.9"},
    // 99999.9921875
    {"JustBelowHundredThousand", 99999.99f, "99999.99"},
    {"MillionStaysFixed", 1e6f, "1000000"},
    {"TenMillionGoesScientific", 1e7f, "1E07"},
    {"SevenDigitInteger", 1234567.0f, "1234567"},
    {"SevenNinesInteger", 9999999.0f, "9999999"},
    // 123456.703125
    {"SevenDigitsWithFraction", 123456.7f, "123456.7"},
    // 9.99999974737875e-5: rounds up to 1.000000E-4
    {"TenThousandth", 0.0001f, "0.0001"},
    // 1.23456775327e-4
    {"SmallFixedRoundsUp", 0.00012345678f, "0.0001234568"},
    // 1.1920928955078125e-4 exactly
    {"SmallFixedRoundsUpAgain", 0.00011920929f, "0.0001192093"},
    // 9.765625e-4 exactly: seven digits, no rounding
    {"PowerOfTwoExactlySevenDigits", 0.0009765625f, "0.0009765625"},
    // 9.99999974737875e-6: rounding to 1.000000E-5 makes it fixed
    {"RoundingUpSwitchesToFixed", 0.00001f, "0.00001"},
    // -1.23456702568e-5: the longest possible text
    {"LongestFixed", -0.00001234567f, "-0.00001234567"},
    // 3.0517578125e-5 exactly (2^-15)
    {"FixedAtSmallestExponentRoundsUp", 3.0517578125e-5f, "0.00003051758"},
    // 9.99999883788e-6
    {"JustBelowFixedRangeStaysScientific", 0.000009999999f, "9.999999E-06"},
    // 9.5367431640625e-7 exactly (2^-20)
    {"PowerOfTwoScientific", 9.5367431640625e-7f, "9.536743E-07"},
    {"NegativeHalf", -0.5f, "-0.5"},
    {"TwoAndAHalf", 2.5f, "2.5"},
    // 13.5912704467773
    {"FractionTrimmed", 13.59127f, "13.59127"},
    // -6.20227384567261
    {"NegativeRoundsUpInMagnitude", -6.202274f, "-6.202274"},
    // 70.6116027832031
    {"TrailingZeroTrimmed", 70.6116f, "70.6116"},
    // 403.4287109375
    {"FourDecimals", 403.4287f, "403.4287"},
    // 7.38899517059326
    {"SevenDigitsUnchanged", 7.388995f, "7.388995"},
    // -0.0430366694927216
    {"NegativeSmallFraction", -0.04303667f, "-0.04303667"},
    {"One", 1.0f, "1"},
    {"MinusOne", -1.0f, "-1"},
    {"Zero", 0.0f, "0"},
    {"NegativeZero", -0.0f, "0"},
    {"NotANumber", std::numeric_limits<float>::quiet_NaN(), "NAN"},
    {"NegativeNotANumber", -std::numeric_limits<float>::quiet_NaN(), "NAN"},
    {"Infinity", std::numeric_limits<float>::infinity(), "INF"},
    {"NegativeInfinity", -std::numeric_limits<float>::infinity(), "-INF"},
};

class FloatToStrFSingle : public testing::TestWithParam<FloatRow> {};

TEST_P(FloatToStrFSingle, WithEitherSeparator) {
    const FloatRow& row = GetParam();
    EXPECT_EQ(FloatToStrF(row.value, ffGeneral, 7, 2, kDot), row.expected);
    EXPECT_EQ(FloatToStrF(row.value, ffGeneral, 7, 2, kComma), withComma(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, FloatToStrFSingle, testing::ValuesIn(kFloats),
                         [](const auto& info) { return std::string(info.param.name); });

// Other precisions and exponent widths, on values a double holds exactly.
struct GeneralRow {
    const char* name;
    Extended value;
    int precision;
    int digits;
    const char* expected;
};

const std::vector<GeneralRow> kGeneral = {
    {"TieCarriesIntoScientific", 9999999.5L, 7, 2, "1E07"},
    {"NegativeTieCarriesIntoScientific", -9999999.5L, 7, 2, "-1E07"},
    {"OneDigitTieUp", 2.5L, 1, 2, "3"},
    {"OneDigitTieUpFromOdd", 3.5L, 1, 2, "4"},
    {"OneDigitNegativeTie", -2.5L, 1, 2, "-3"},
    {"OneDigitFixedFraction", 0.25L, 1, 2, "0.3"},
    {"OneDigitCarryGoesScientific", 9.5L, 1, 2, "1E01"},
    {"OneDigitTenIsScientific", 10.0L, 1, 2, "1E01"},
    {"OneDigitSmallestFixed", 0.00001L, 1, 2, "0.00001"},
    // 0.9375 exactly
    {"TwoDigitsRoundUp", 0.9375L, 2, 2, "0.94"},
    {"ThreeDigitsTieUp", 0.9375L, 3, 2, "0.938"},
    {"FourDigitsExact", 0.9375L, 4, 2, "0.9375"},
    {"EighteenDigitsExact", 0.9375L, 18, 2, "0.9375"},
    {"LargestFixedForThreeDigits", 999.0L, 3, 2, "999"},
    {"CarryPastPrecisionGoesScientific", 999.5L, 3, 2, "1E03"},
    {"NoExponentPadding", 12345.0L, 3, 0, "1.23E4"},
    {"OneExponentDigit", 12345.0L, 3, 1, "1.23E4"},
    {"FourExponentDigits", 12345.0L, 3, 4, "1.23E0004"},
    {"FourExponentDigitsNegative", 1.5e-7L, 3, 4, "1.5E-0007"},
    {"ScientificRoundsUp", 12355.0L, 3, 2, "1.24E04"},
    // 2^-16 = 1.52587890625e-5
    {"SmallestFixedExponent", 1.52587890625e-5L, 7, 2, "0.00001525879"},
    {"SmallestFixedExponentThreeDigits", 1.52587890625e-5L, 3, 2, "0.0000153"},
    // 2^-17 = 7.62939453125e-6
    {"BelowFixedRange", 7.62939453125e-6L, 7, 2, "7.629395E-06"},
    // 2^59 = 576460752303423488: 18 digits still fixed
    {"EighteenDigitInteger", 576460752303423488.0L, 18, 2, "576460752303423488"},
    // 2^60 = 1152921504606846976
    {"NineteenDigitIntegerRoundsUp", 1152921504606846976.0L, 18, 2, "1.15292150460684698E18"},
    // 2^-30 = 9.31322574615478515625e-10
    {"EighteenDigitsRoundUp", 9.31322574615478515625e-10L, 18, 2, "9.31322574615478516E-10"},
    // the double 0.1 is 0.1000000000000000055511151231257827...
    {"DoubleTenthAtEighteenDigits", static_cast<double>(0.1), 18, 2, "0.100000000000000006"},
    {"DoubleTenthAtSeventeenDigits", static_cast<double>(0.1), 17, 2, "0.10000000000000001"},
    // the double 1e300 is 1.0000000000000000525e300
    {"ThreeDigitExponent", static_cast<double>(1e300), 7, 2, "1E300"},
    // the double 1e-300 is 1.0000000000000000251e-300
    {"ThreeDigitNegativeExponent", static_cast<double>(1e-300), 7, 2, "1E-300"},
    // Doubles next to a decimal tie: only digits far beyond the eighth decide.
    // 1.0000004999999998478...
    {"DoubleJustBelowTie", 1.0000004999999998, 7, 2, "1"},
    // 1.0000005000000000698...
    {"DoubleJustAboveTie", 1.0000005, 7, 2, "1.000001"},
    // 1.0000024999999999053...
    {"TieInDecimalBelowTieInBinary", 1.0000025, 7, 2, "1.000002"},
    // 1.2345675000000000398...
    {"TieInDecimalAboveTieInBinary", 1.2345675, 7, 2, "1.234568"},
    // 9.9999994999999999486...: no carry to 10
    {"BelowTieNoCarry", 9.9999995, 7, 2, "9.999999"},
    // 0.99999994999999997080...
    {"BelowTieNoCarryToOne", 0.99999995, 7, 2, "0.9999999"},
    // 999999.94999999995343...
    {"BelowTieNoCarryToMillion", 999999.95, 7, 2, "999999.9"},
    // the smallest double, 4.9406564584124654e-324
    {"SmallestDouble", std::numeric_limits<double>::denorm_min(), 7, 2, "4.940656E-324"},
    // the largest double, 1.7976931348623157e308
    {"LargestDouble", std::numeric_limits<double>::max(), 7, 2, "1.797693E308"},
};

class FloatToStrFGeneral : public testing::TestWithParam<GeneralRow> {};

TEST_P(FloatToStrFGeneral, WithEitherSeparator) {
    const GeneralRow& row = GetParam();
    EXPECT_EQ(FloatToStrF(row.value, ffGeneral, row.precision, row.digits, kDot), row.expected);
    EXPECT_EQ(FloatToStrF(row.value, ffGeneral, row.precision, row.digits, kComma),
              withComma(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, FloatToStrFGeneral, testing::ValuesIn(kGeneral),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FloatToStrFExtended, RangeBeyondDouble) {
    // Written in the x87 format, which long double is on x86 whichever path
    // Extended takes.
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double is not the x87 format here";
    } else {
        using Limits = std::numeric_limits<long double>;
        // 1.18973149535723176502e4932
        EXPECT_EQ(FloatToStrF(Limits::max(), ffGeneral, 7, 2, kDot), "1.189731E4932");
        // 3.36210314311209350626e-4932
        EXPECT_EQ(FloatToStrF(Limits::min(), ffGeneral, 7, 2, kDot), "3.362103E-4932");
        // 3.64519953188247460253e-4951: rounds up to 3.645200
        EXPECT_EQ(FloatToStrF(-Limits::denorm_min(), ffGeneral, 7, 2, kDot), "-3.6452E-4951");
        // 1/3 is 0.333333333333333333342...
        EXPECT_EQ(FloatToStrF(Extended{1} / Extended{3}, ffGeneral, 18, 2, kDot),
                  "0.333333333333333333");
    }
}

struct InvalidRow {
    const char* name;
    TFloatFormat format;
    int precision;
    int digits;
};

const std::vector<InvalidRow> kInvalid = {
    {"ExponentFormat", ffExponent, 7, 2}, {"FixedFormat", ffFixed, 7, 2},
    {"NumberFormat", ffNumber, 7, 2},     {"CurrencyFormat", ffCurrency, 7, 2},
    {"ZeroPrecision", ffGeneral, 0, 2},   {"PrecisionAboveEighteen", ffGeneral, 19, 2},
    {"NegativeDigits", ffGeneral, 7, -1}, {"DigitsAboveFour", ffGeneral, 7, 5},
};

class FloatToStrFInvalid : public testing::TestWithParam<InvalidRow> {};

TEST_P(FloatToStrFInvalid, Throws) {
    const InvalidRow& row = GetParam();
    EXPECT_THROW(FloatToStrF(1.5L, row.format, row.precision, row.digits, kDot),
                 std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(Table, FloatToStrFInvalid, testing::ValuesIn(kInvalid),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FloatToStrFLocale, IgnoresTheGlobalCLocale) {
    const CommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with ',' as decimal point is installed";
    EXPECT_EQ(FloatToStrF(7.388995f, ffGeneral, 7, 2, kDot), "7.388995");
    EXPECT_EQ(FloatToStrF(1.5e-7f, ffGeneral, 7, 2, kDot), "1.5E-07");
    EXPECT_EQ(FloatToStrF(6309702.5f, ffGeneral, 7, 2, kDot), "6309703");
    EXPECT_EQ(FloatToStrF(-0.04303667f, ffGeneral, 7, 2, kComma), "-0,04303667");
}

// Just enough of an unsigned big integer to compare powers of two and five
// with a float exactly: little-endian 32-bit limbs.
using BigNat = std::vector<std::uint32_t>;

BigNat bigNat(std::uint64_t value) {
    return {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
}

void multiply(BigNat& n, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : n) {
        carry += static_cast<std::uint64_t>(limb) * factor;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0)
        n.push_back(static_cast<std::uint32_t>(carry));
}

void shiftLeft(BigNat& n, int bits) {
    n.insert(n.begin(), static_cast<std::size_t>(bits / 32), 0);
    multiply(n, std::uint32_t{1} << (bits % 32));
}

int compare(BigNat a, BigNat b) {
    while (!a.empty() && a.back() == 0)
        a.pop_back();
    while (!b.empty() && b.back() == 0)
        b.pop_back();
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// Sign of 2 * |f| - odd * 10^scale, exactly, for a finite non-zero float.
int compareTwiceFloat(float f, std::uint64_t odd, int scale) {
    int binaryExponent = 0;
    const float fraction = std::frexp(std::fabs(f), &binaryExponent);
    // 2|f| = significand * 2^(binaryExponent - 23); 10^scale = 2^scale * 5^scale.
    BigNat twiceF = bigNat(static_cast<std::uint64_t>(std::ldexp(fraction, 24)));
    BigNat decimal = bigNat(odd);
    for (int i = 0; i < std::abs(scale); ++i)
        multiply(scale >= 0 ? decimal : twiceF, 5);
    const int shift = binaryExponent - 23 - scale;
    shiftLeft(shift >= 0 ? twiceF : decimal, std::abs(shift));
    return compare(twiceF, decimal);
}

// The digits and scale of a text the general format produced for precision 7,
// checked for shape on the way: value = sign * digits * 10^scale.
struct ParsedText {
    bool negative = false;
    std::uint64_t digits = 0; // without trailing zeros
    int digitCount = 0;
    int scale = 0;
    bool scientific = false;
};

::testing::AssertionResult parseShown(const std::string& text, ParsedText& parsed) {
    std::size_t pos = 0;
    parsed.negative = text[pos] == '-';
    if (parsed.negative)
        ++pos;
    const std::size_t ePos = text.find('E');
    parsed.scientific = ePos != std::string::npos;
    const std::string mantissa = text.substr(pos, (parsed.scientific ? ePos : text.size()) - pos);
    const std::size_t dot = mantissa.find('.');
    const std::string integerPart = mantissa.substr(0, dot);
    const std::string fractionPart = dot == std::string::npos ? "" : mantissa.substr(dot + 1);
    if (integerPart.empty() || (dot != std::string::npos && fractionPart.empty()))
        return ::testing::AssertionFailure() << "empty part in " << text;
    if (!fractionPart.empty() && fractionPart.back() == '0')
        return ::testing::AssertionFailure() << "trailing zero in " << text;
    if (integerPart.size() > 1 && integerPart[0] == '0')
        return ::testing::AssertionFailure() << "leading zero in " << text;
    int exponent = 0;
    if (parsed.scientific) {
        std::string exponentText = text.substr(ePos + 1);
        const bool negativeExponent = !exponentText.empty() && exponentText[0] == '-';
        if (negativeExponent)
            exponentText.erase(0, 1);
        if (exponentText.size() < 2 ||
            exponentText.find_first_not_of("0123456789") != std::string::npos)
            return ::testing::AssertionFailure() << "bad exponent in " << text;
        exponent = std::stoi(exponentText) * (negativeExponent ? -1 : 1);
        if (integerPart.size() != 1 || integerPart[0] == '0')
            return ::testing::AssertionFailure() << "scientific mantissa not d.ddd in " << text;
    }
    std::string all = integerPart + fractionPart;
    if (all.find_first_not_of("0123456789") != std::string::npos)
        return ::testing::AssertionFailure() << "stray character in " << text;
    int scale = exponent - static_cast<int>(fractionPart.size());
    all.erase(0, std::min(all.find_first_not_of('0'), all.size()));
    while (!all.empty() && all.back() == '0') {
        all.pop_back();
        ++scale;
    }
    if (all.empty() || all.size() > 7)
        return ::testing::AssertionFailure() << "not 1..7 significant digits in " << text;
    parsed.digits = std::stoull(all);
    parsed.digitCount = static_cast<int>(all.size());
    parsed.scale = scale;
    return ::testing::AssertionSuccess();
}

// 7 significant digits and "-0.0000" in front: the fixed notation of the
// smallest fixed exponent (-5) is longer than any scientific text of a single,
// whose exponents have two digits ("-1.234568E-38" has 13 characters).
constexpr std::size_t kLongestText = 14;

TEST(FloatToStrFProperty, EverySingleShowsItsNearestSevenDigitDecimal) {
    std::mt19937 random(20240607);
    std::size_t longest = 0;
    for (int i = 0; i < 200'000; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        const float f = std::bit_cast<float>(bits);
        const std::string text = FloatToStrF(f, ffGeneral, 7, 2, kDot);
        SCOPED_TRACE("bits " + std::to_string(bits) + " shown as " + text);
        ASSERT_EQ(FloatToStrF(f, ffGeneral, 7, 2, kComma), withComma(text));
        if (std::isnan(f)) {
            ASSERT_EQ(text, "NAN");
            continue;
        }
        if (std::isinf(f)) {
            ASSERT_EQ(text, f < 0 ? "-INF" : "INF");
            continue;
        }
        if (f == 0) {
            ASSERT_EQ(text, "0");
            continue;
        }
        ASSERT_LE(text.size(), kLongestText);
        longest = std::max(longest, text.size());

        ParsedText parsed;
        ASSERT_TRUE(parseShown(text, parsed));
        ASSERT_EQ(parsed.negative, f < 0);

        // The text as seven digits N (10^6 <= N < 10^7) times 10^scale.
        std::uint64_t seven = parsed.digits;
        int scale = parsed.scale;
        for (int d = parsed.digitCount; d < 7; ++d) {
            seven *= 10;
            --scale;
        }
        const int decimalExponent = scale + 6;
        ASSERT_EQ(parsed.scientific, decimalExponent < -5 || decimalExponent >= 7);

        // Rounding to nearest, ties away from zero: (N - 1/2) 10^scale <= |f| <
        // (N + 1/2) 10^scale, where below a power of ten the lower neighbour is
        // ten times closer.
        ASSERT_LT(compareTwiceFloat(f, 2 * seven + 1, scale), 0);
        if (seven == 1'000'000) {
            ASSERT_GE(compareTwiceFloat(f, 2 * 10'000'000 - 1, scale - 1), 0);
        } else {
            ASSERT_GE(compareTwiceFloat(f, 2 * seven - 1, scale), 0);
        }

        // The text reads back as that decimal.
        const auto back = static_cast<long double>(StrToFloat(text, kDot));
        const long double decimal = static_cast<long double>(parsed.digits) *
                                    std::pow(10.0L, static_cast<long double>(parsed.scale)) *
                                    (parsed.negative ? -1 : 1);
        ASSERT_NEAR(back, decimal, std::fabs(decimal) * 1e-15);
    }
    EXPECT_EQ(longest, kLongestText);
}

} // namespace
