#include "StrToFloat.h"

#include "CommaLocale.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

const TFormatSettings kDot{'.'};
const TFormatSettings kComma{','};

std::string withSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

bool rejects(const std::string& text, const TFormatSettings& settings) {
    try {
        StrToFloat(text, settings);
    } catch (const EConvertError&) {
        return true;
    }
    return false;
}

// Texts are written with '.'; every row is also run with ',' as the separator.
struct AcceptedRow {
    const char* name;
    std::string text;
    Extended expected;
};

const std::vector<AcceptedRow> kAccepted = {
    {"PlainFraction", "0.5", 0.5L},
    {"SpacesAround", "  0.5   ", 0.5L},
    {"LeadingSpacesAndSign", "   -12.25", -12.25L},
    {"PlusSign", "+3", 3.0L},
    {"NegativeInteger", "-42", -42.0L},
    {"NegativeZeroKeepsItsSign", "-0", -0.0L},
    {"NothingAfterSeparator", "5.", 5.0L},
    {"NothingBeforeSeparator", ".5", 0.5L},
    {"SignThenSeparator", "-.25", -0.25L},
    {"LeadingZeros", "007", 7.0L},
    {"ZerosOnly", "0000.0000", 0.0L},
    {"LowerCaseExponent", "1e3", 1000.0L},
    {"UpperCaseExponent", "1E3", 1000.0L},
    {"PlusInExponent", "1.5e+3", 1500.0L},
    {"NegativeExponent", "2.5e-3", 2.5e-3L},
    {"ExponentAfterBareSeparator", "5.e1", 50.0L},
    {"ExponentAfterLeadingSeparator", ".5E1", 5.0L},
    {"LongExponentWithLeadingZeros", "1e-0000000000000000000000000005", 1e-5L},
    {"ZeroWithHugeExponent", "0e999999999999999999999999", 0.0L},
    {"NegativeZeroWithHugeNegativeExponent", "-0.0e-99999999999999999999", -0.0L},
    {"BelowTheRangeIsZero", "1e-5000", 0.0L},
    {"BelowTheRangeKeepsItsSign", "-1e-99999999999999999999999", -0.0L},
    {"RoundsToTheNearestSubnormal", "5e-4951", 0x1p-16445L},
    // Rounded to 64 bits first, this would land on the tie between 10 and 11 times the smallest.
    {"SubnormalJustAboveATieRoundsOnce", "3.8274595084765983327e-4950", 0x1.6p-16442L},
    {"InexactTenthRoundedToNearest", "0.1", 0.1L},
    {"ThirtyDigitsRoundedOnce", "123456789012345678901234567890",
     123456789012345678901234567890.0L},
    {"SpacesAroundExponentForm", " -1.25E-2 ", -0.0125L},
    {"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308L},
    {"SmallestNormalDouble", "2.2250738585072014e-308", 2.2250738585072014e-308L},
    {"SeparatorShiftsIntoExponent", "0.00012345e4", 1.2345L},
    {"IntegerDigitsShiftExponent", "12345.678e-3", 12.345678L},
};

class StrToFloatAccepts : public testing::TestWithParam<AcceptedRow> {};

TEST_P(StrToFloatAccepts, WithEitherSeparator) {
    const AcceptedRow& row = GetParam();
    for (const TFormatSettings* settings : {&kDot, &kComma}) {
        const char separator = settings->DecimalSeparator;
        const std::string text = withSeparator(row.text, separator);
        SCOPED_TRACE("text '" + text + "', separator '" + separator + "'");
        const Extended value = StrToFloat(text, *settings);
        EXPECT_EQ(value, row.expected);
        EXPECT_EQ(std::signbit(static_cast<long double>(value)),
                  std::signbit(static_cast<long double>(row.expected)));
        // Written with the other separator, the same number is not a number.
        if (row.text.find('.') != std::string::npos) {
            EXPECT_TRUE(rejects(withSeparator(row.text, separator == '.' ? ',' : '.'), *settings));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatAccepts, testing::ValuesIn(kAccepted),
                         [](const auto& info) { return std::string(info.param.name); });

// Rejected whichever separator is in effect.
struct RejectedRow {
    const char* name;
    std::string text;
};

const std::vector<RejectedRow> kRejected = {
    {"Empty", ""},
    {"OnlySpaces", "   "},
    {"Letters", "abc"},
    {"TrailingLetter", "1a"},
    {"LeadingLetter", "a1"},
    {"ExponentWithoutDigits", "1e"},
    {"ExponentSignWithoutDigits", "1e+"},
    {"ExponentMinusWithoutDigits", "1e-"},
    {"ExponentWithoutMantissa", "e5"},
    {"UpperExponentWithoutMantissa", "E5"},
    {"ExponentAfterSignOnly", "-e5"},
    {"PlusOnly", "+"},
    {"MinusOnly", "-"},
    {"TwoSigns", "+-1"},
    {"DoubleMinus", "--1"},
    {"TrailingSign", "1-"},
    {"Expression", "1+1"},
    {"DotOnly", "."},
    {"CommaOnly", ","},
    {"SeparatorsOnly", ".,"},
    {"TwoDots", "1.2.3"},
    {"TwoCommas", "1,2,3"},
    {"DotAndComma", "1,000.5"},
    {"CommaAndDot", "1.000,5"},
    {"SpaceAsThousandsSeparator", "1 000"},
    {"ApostropheThousandsSeparator", "1'000"},
    {"UnderscoreDigitSeparator", "1_000"},
    {"HexFloat", "0x1p3"},
    {"HexInteger", "0x10"},
    {"BinaryPrefix", "0b101"},
    {"Infinity", "inf"},
    {"NegativeInfinity", "-inf"},
    {"UpperInfinity", "INF"},
    {"InfinityWord", "infinity"},
    {"NotANumber", "nan"},
    {"MixedCaseNotANumber", "NaN"},
    {"LeadingTab", "\t1"},
    {"TrailingTab", "1\t"},
    {"TrailingNewline", "1\n"},
    {"NonBreakingSpace", "\xC2\xA0"
                         "1"},
    {"EmbeddedNulAfterDigit", std::string("1\0", 2)},
    {"EmbeddedNulBeforeDigit", std::string("\0"
                                           "1",
                                           2)},
    {"EmbeddedNulBetweenDigits", std::string("1\0"
                                             "2",
                                             3)},
    {"ArabicIndicDigit", "\xD9\xA1"},
    {"FullwidthDigit", "\xEF\xBC\x91"},
    {"Latin1Byte", "1\xB2"},
    {"FractionalExponent", "1e5.5"},
    {"SpaceInsideExponent", "1e 5"},
    {"SpaceBeforeExponent", "1 e5"},
    {"SpaceAfterSign", "- 1"},
    {"TwoExponents", "1e5e5"},
    {"DoubledExponentLetter", "1ee5"},
    {"DoubledExponentSign", "1e++5"},
    {"FortranExponent", "1d5"},
    {"PercentSign", "5%"},
    {"TrailingGarbageAfterExponent", "1.5E+3x"},
    {"OverflowsExtended", "1e5000"},
    {"NegativeOverflow", "-1e5000"},
    {"HugeExponent", "1e99999999999999999999999"},
};

class StrToFloatRejects : public testing::TestWithParam<RejectedRow> {};

TEST_P(StrToFloatRejects, WithEitherSeparator) {
    const RejectedRow& row = GetParam();
    EXPECT_TRUE(rejects(row.text, kDot));
    EXPECT_TRUE(rejects(row.text, kComma));
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatRejects, testing::ValuesIn(kRejected),
                         [](const auto& info) { return std::string(info.param.name); });

struct MessageRow {
    const char* name;
    std::string text;
    char separator;
    std::string message;
};

const std::vector<MessageRow> kMessages = {
    {"Letters", "abc", '.', "'abc' is not a valid floating point value"},
    {"Empty", "", '.', "'' is not a valid floating point value"},
    {"SpacesKeptAsTyped", "  1,5 ", '.', "'  1,5 ' is not a valid floating point value"},
    {"DotUnderComma", "0.5", ',', "'0.5' is not a valid floating point value"},
    {"Overflow", "1e5000", '.', "'1e5000' is not a valid floating point value"},
    {"NulByteKept", std::string("1\0", 2), '.',
     std::string("'1") + '\0' + "' is not a valid floating point value"},
    {"NonUtf8ByteKept", "\xFF", '.', "'\xFF' is not a valid floating point value"},
};

class StrToFloatMessage : public testing::TestWithParam<MessageRow> {};

TEST_P(StrToFloatMessage, QuotesTheTextUnchanged) {
    const MessageRow& row = GetParam();
    try {
        StrToFloat(row.text, TFormatSettings{row.separator});
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatMessage, testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// The midpoint and range tests state their expectations in the x87 format,
// which long double is on x86 whichever path Extended takes.
constexpr bool LongDoubleIsX87 = std::numeric_limits<long double>::digits == 64;

// The parsed value as a long double: exact where long double is the x87 format.
long double parsed(std::string_view text, const TFormatSettings& settings) {
    return static_cast<long double>(StrToFloat(text, settings));
}

// The exact text of a value with `decimals` digits after the point.
std::string exactFixed(long double value, int decimals) {
    std::string text(static_cast<std::size_t>(decimals) + 64, '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::fixed, decimals);
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));
    return text;
}

// A midpoint between two adjacent Extended values, as exact decimal text.
struct Midpoint {
    const char* name;
    std::string text;
    long double below; // has an even significand, so a tie goes here
    long double above;
};

std::vector<Midpoint> midpoints() {
    using Limits = std::numeric_limits<long double>;
    std::vector<Midpoint> result;

    // 1 + epsilon / 2: a short text.
    std::string afterOne = exactFixed(Limits::epsilon() / 2, Limits::digits);
    afterOne.erase(afterOne.find_last_not_of('0') + 1);
    afterOne[0] = '1'; // "0.000...5" becomes "1.000...5"
    result.push_back({"AfterOne", afterOne, 1, std::nextafter(1.0L, 2.0L)});

    // Twice the smallest normal value plus half its spacing, the smallest
    // subnormal: thousands of significant digits.
    const int decimals = Limits::digits - Limits::min_exponent;
    const long double twiceMin = 2 * Limits::min();
    std::string sum = exactFixed(twiceMin, decimals);
    const std::string half = exactFixed(Limits::denorm_min(), decimals);
    int carry = 0;
    for (std::size_t i = sum.size(); i-- > 2;) {
        const int digit = (sum[i] - '0') + (half[i] - '0') + carry;
        sum[i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    result.push_back({"AfterTwiceSmallestNormal", sum, twiceMin, std::nextafter(twiceMin, 1.0L)});
    return result;
}

struct MidpointRow {
    const char* name;
    std::string tail; // appended to the midpoint's digits
    bool roundsUp;
};

const std::vector<MidpointRow> kMidpoint = {
    {"ExactTieGoesToEven", "", false},
    {"TieFollowedByZerosStaysATie", std::string(30000, '0'), false},
    {"NonZeroDigitRightAfterTieRoundsUp", "1", true},
    {"NonZeroDigitFarBeyondTieRoundsUp", std::string(30000, '0') + "1", true},
    {"NonZeroDigitsOnlyFarBeyondTieRoundUp", std::string(25000, '0') + "000007", true},
};

class StrToFloatMidpoint : public testing::TestWithParam<MidpointRow> {};

TEST_P(StrToFloatMidpoint, EveryDigitCounts) {
    if (!LongDoubleIsX87)
        GTEST_SKIP() << "the midpoints are written in the x87 format";
    const MidpointRow& row = GetParam();
    for (const Midpoint& midpoint : midpoints()) {
        SCOPED_TRACE(midpoint.name);
        const long double expected = row.roundsUp ? midpoint.above : midpoint.below;
        const std::string text = midpoint.text + row.tail;
        EXPECT_EQ(parsed(text, kDot), expected);
        EXPECT_EQ(parsed("-" + text, kDot), -expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatMidpoint, testing::ValuesIn(kMidpoint),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StrToFloatLongText, JustBelowMidpointWithManyNinesRoundsDown) {
    if (!LongDoubleIsX87)
        GTEST_SKIP() << "the midpoints are written in the x87 format";
    for (const Midpoint& midpoint : midpoints()) {
        SCOPED_TRACE(midpoint.name);
        std::string text = midpoint.text;
        ASSERT_EQ(text.back(), '5');
        text.back() = '4';
        text += std::string(30000, '9');
        EXPECT_EQ(parsed(text, kDot), midpoint.below);
    }
}

TEST(StrToFloatLongText, MillionDigitsScaledByExponent) {
    EXPECT_EQ(StrToFloat("1" + std::string(999999, '0') + "e-999999", kDot), Extended{1});
    EXPECT_EQ(StrToFloat("0," + std::string(999999, '0') + "1e1000000", kComma), Extended{1});
    EXPECT_EQ(StrToFloat(" -0." + std::string(999999, '0') + "25E+1000000 ", kDot),
              Extended{-2.5L});
}

TEST(StrToFloatLongText, TenMillionDigitsRoundCorrectly) {
    // 3.333... with ten million threes is closer to 10/3 than any Extended midpoint.
    const std::string text = "3." + std::string(10'000'000, '3');
    EXPECT_EQ(StrToFloat(text, kDot), Extended{10} / Extended{3});
}

TEST(StrToFloatLongText, LongGarbageIsRejected) {
    EXPECT_TRUE(rejects(std::string(1'000'000, '1') + "x", kDot));
    EXPECT_TRUE(rejects(std::string(1'000'000, ' '), kDot));
    EXPECT_TRUE(rejects("1" + std::string(100'000, '0') + "e1", kDot)); // overflow
}

TEST(StrToFloatRange, LimitsOfExtended) {
    if (!LongDoubleIsX87)
        GTEST_SKIP() << "the limits are written in the x87 format";
    using Limits = std::numeric_limits<long double>;
    char text[64];
    auto written = std::to_chars(text, text + sizeof text, Limits::max());
    EXPECT_EQ(parsed(std::string(text, written.ptr), kDot), Limits::max());
    written = std::to_chars(text, text + sizeof text, -Limits::min());
    EXPECT_EQ(parsed(std::string(text, written.ptr), kDot), -Limits::min());
    EXPECT_TRUE(rejects("1e" + std::to_string(Limits::max_exponent10 + 1), kDot));
}

TEST(StrToFloatLocale, IgnoresTheGlobalCLocale) {
    const CommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with ',' as decimal point is installed";
    // The C library itself now reads ',' ...
    ASSERT_EQ(std::strtold("1,5", nullptr), 1.5L);
    // ... while the conversion follows the settings only.
    EXPECT_EQ(StrToFloat("1.5", kDot), Extended{1.5L});
    EXPECT_EQ(StrToFloat("-2.5e-3", kDot), Extended{-2.5e-3L});
    EXPECT_EQ(StrToFloat("1,5", kComma), Extended{1.5L});
    EXPECT_TRUE(rejects("1,5", kDot));
    EXPECT_TRUE(rejects("1.5", kComma));
}

} // namespace
