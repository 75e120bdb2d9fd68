#include "SeriesTable.h"
#include "Version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int Status;
    std::string Out;
    std::string Err;
};

Result RunTool(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const int status = RunSeriesTable(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(SeriesTableCsv, ListsEveryHandedOverValueThenTheCombinedOne) {
    const Result r = RunTool({"--csv", "0.001", "1"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 1u + 10 + 7 + 1);
    EXPECT_EQ(lines[0].substr(0, 39), "series,iteration,term,value,shown,bits,");
    EXPECT_EQ(lines[1].substr(0, 19), "1,1,2,3,3,40400000,");
    EXPECT_NE(lines[10].find("1,10,0.00028218696,7.388995,7.388995,40EC72A6,"), std::string::npos);
    EXPECT_EQ(lines[11].substr(0, 21), "2,1,1,10,10,41200000,");
    EXPECT_NE(lines[17].find(",13.59127,"), std::string::npos) << lines[17];
    EXPECT_EQ(lines[18].substr(0, 9), "final,,,-");
    EXPECT_NE(lines[18].find(",-6.202274,"), std::string::npos) << lines[18];
}

TEST(SeriesTableCsv, ShowsNaNAndInfinityAsPlainWords) {
    const Result zero = RunTool({"--csv", "0", "-0"});
    ASSERT_EQ(zero.Status, 0) << zero.Err;
    // The x87's default NaN, negative and quiet, on every processor.
    EXPECT_EQ(Lines(zero.Out).at(1).substr(0, 25), "1,1,nan,nan,NAN,FFC00000,");

    const Result overflow = RunTool({"--csv", "0.001", "100"});
    ASSERT_EQ(overflow.Status, 0) << overflow.Err;
    EXPECT_EQ(Lines(overflow.Out).at(16).substr(0, 26), "1,16,inf,inf,INF,7F800000,");
}

// Long double reaches 10^-4900 on every processor here: a tail of 10^-645 is no 0.
long double Number(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells(1);
    for (char c : line)
        c == ',' ? void(cells.emplace_back()) : cells.back().push_back(c);
    return cells;
}

// Whether a cell rounds to `expected` at the digits written there: "" wants an
// empty cell, "*" any, a word or a full cell the same text.
bool RoundsTo(const std::string& cell, const std::string& expected) {
    if (expected == "*" || cell == expected)
        return true;
    if (cell.empty() || expected.empty() || !std::isdigit(expected.back()))
        return false;
    const std::size_t point = expected.find('.'), e = std::min(expected.find('e'), expected.size());
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(e - point - 1);
    const int exponent = e < expected.size() ? std::stoi(expected.substr(e + 1)) : 0;
    return std::abs(Number(cell) - Number(expected)) <= 0.5L * std::pow(10.0L, exponent - decimals);
}

struct SplitRow {
    const char* Name;
    const char* Precision;
    const char* X;
    int Line; // of the CSV, or 0 for the combined value's
    // partial, limit, truncation, rounding, ulps, digits, double, condition
    std::array<const char*, 8> Cells;
};

class SeriesTableSplit : public testing::TestWithParam<SplitRow> {};

TEST_P(SeriesTableSplit, GivesTheWorkedNumbersAndAddsUpToTheErrorOnEveryRow) {
    const SplitRow& row = GetParam();
    const Result r = RunTool({"--csv", row.Precision, row.X});
    const std::vector<std::string> lines = Lines(r.Out);
    const std::vector<std::string> names = Cells(lines.at(0));
    const std::vector<std::string> cells =
        Cells(lines.at(row.Line > 0 ? row.Line : lines.size() - 1));
    ASSERT_EQ(cells.size(), 14u) << lines[0];
    for (std::size_t i = 0; i < row.Cells.size(); ++i)
        EXPECT_TRUE(RoundsTo(cells[6 + i], row.Cells[i]))
            << names[6 + i] << ": " << cells[6 + i] << ", not " << row.Cells[i];
    // truncation + rounding = value - limit, to a unit in the 7th digit (and
    // in the 17th of the limit as written).
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> c = Cells(lines[i]);
        if (c.at(9).empty())
            continue;
        const double limit = static_cast<double>(Number(c[7]));
        const double total = std::strtof(c[3].c_str(), nullptr) - limit;
        EXPECT_NEAR(static_cast<double>(Number(c[8]) + Number(c[9])), total,
                    std::pow(10.0, std::floor(std::log10(std::abs(total))) - 6) +
                        1e-16 * std::abs(limit))
            << lines[i];
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, SeriesTableSplit,
    testing::Values(
        SplitRow{"TenthTermAtThousandth", "0.001", "1", 10, {"7.388994708994709", "7.38905609893065",
                 "-6.14e-5", "4.62e-7", "0.97", "5.08", "7.38899470899471", ""}},
        SplitRow{"SecondSeriesDoubleAfterTheSameTerms", "0.001", "1", 17,
                 {"13.59126984126984", "*", "*", "*", "*", "*", "13.5912698412698", ""}},
        SplitRow{"ThirtiethTermAtZero", "0", "1", 30, {"7.38905609893065", "7.38905609893065",
                 "-2.8e-25", "5.84e-7", "1.22", "7.10", "*", ""}},
        SplitRow{"ThreeAtZero", "0", "3", 30, {"403.4287934925369", "403.4287934927351", "-1.98e-10",
                 "-5.20e-5", "-1.71", "*", "*", ""}},
        SplitRow{"CombinedAtOne", "0", "1", 0, {"*", "-6.2023530", "*", "*", "*", "*", "*", "3.4"}},
        SplitRow{"CancellationNearLn5", "0", "1.6094", 0, {"-2.4526519694362115e-3",
                 "-0.0024526520", "-1.917e-18", "*", "*", "*", "*", "52849"}},
        SplitRow{"BothSeriesGiveTheSameSingle", "0", "1.609438", 0,
                 {"*", "1.9473e-6", "*", "-1.9473e-6", "", "0.00", "*", "inf"}},
        SplitRow{"ZeroXAgainstTheMathematicalValues", "0", "0", 2, {"5.0000000000000000e+00",
                 "5.0000000000000000e+00", "0.0000000000000000e+00", "", "", "", "nan", ""}},
        SplitRow{"ZeroXCombined", "0", "0", 0, {"0.0000000000000000e+00", "0.0000000000000000e+00",
                 "0.0000000000000000e+00", "", "", "", "nan", "nan"}},
        SplitRow{"OverflowLeavesTheSinglesErrorsEmpty", "0", "12", 28,
                 {"21788162171.83316", "*", "*", "", "", "", "*", ""}},
        SplitRow{"NegativeTermOffByMoreThanTheLimit", "0", "-5", 1, {"-9.0000000000000000e+00",
                 "4.539993e-5", "*", "0.0000000000000000e+00", "0.00", "-5.30", "-9", ""}},
        SplitRow{"TinyTailKeepsItsDigits", "-1", "1e-20", 30,
                 {"*", "*", "-2.6116060714416214e-645", "*", "*", "19.70", "*", ""}}),
    [](const testing::TestParamInfo<SplitRow>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(SeriesTableText, ShowsIterationsExactValuesAndErrors) {
    const Result r = RunTool({"0.001", "-1"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(r.Out.find("precision 0.001, x -1"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("exact 0.1353352832"), std::string::npos) << r.Out; // e^-2
    EXPECT_NE(r.Out.find("exact 1.839397206"), std::string::npos) << r.Out;  // 5e^-1
    EXPECT_NE(r.Out.find("combined (first - second) x^2: -1"), std::string::npos) << r.Out;

    // x = 5: the first series runs into the limit, the second reaches the
    // precision, and each says so under its own rows.
    const Result stops = RunTool({"0.001", "5"});
    ASSERT_EQ(stops.Status, 0) << stops.Err;
    const std::size_t first = stops.Out.find("\nstopped after 30 terms: the 30-term limit; ");
    const std::size_t second = stops.Out.find("5e^x = 5 (1 + sum x^n/n!), term x^n/n! before");
    const std::size_t reached =
        stops.Out.find("\nstopped after 18 terms: its term, 0.0005958255, is at or below");
    EXPECT_LT(first, second) << stops.Out;
    EXPECT_LT(second, reached) << stops.Out;
    EXPECT_NE(reached, std::string::npos) << stops.Out;
}

// Status 0 prints only to stdout; status 2 prints one line naming the fault,
// then the usage, only to stderr.
struct ArgumentsRow {
    const char* Name;
    std::vector<std::string_view> Args;
    int Status;
    const char* Text; // in stdout for status 0, in stderr's first line for 2
};

class SeriesTableArguments : public testing::TestWithParam<ArgumentsRow> {};

TEST_P(SeriesTableArguments, ExitWithTheirStatusAndSayWhy) {
    const ArgumentsRow& row = GetParam();
    const Result r = RunTool(row.Args);
    EXPECT_EQ(r.Status, row.Status);
    if (row.Status == 0) {
        EXPECT_TRUE(r.Err.empty()) << r.Err;
        EXPECT_NE(r.Out.find(row.Text), std::string::npos) << r.Out;
    } else {
        EXPECT_TRUE(r.Out.empty()) << r.Out;
        const std::vector<std::string> lines = Lines(r.Err);
        ASSERT_EQ(lines.size(), 2u) << r.Err;
        EXPECT_EQ(lines[0], std::string("series-table: ") + row.Text);
        EXPECT_EQ(lines[1], "Usage: series-table [--csv] PRECISION X");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SeriesTableArguments,
    testing::Values(
        ArgumentsRow{"NoArguments", {}, 2, "missing PRECISION and X"},
        ArgumentsRow{"OneNumber", {"0.001"}, 2, "missing X"},
        ArgumentsRow{"ThreeNumbers", {"1", "2", "3"}, 2, "unexpected argument '3'"},
        ArgumentsRow{"CommaIsNotTheSeparator",
                     {"0,001", "1"},
                     2,
                     "'0,001' is not a valid floating point value"},
        ArgumentsRow{"UnknownOption", {"--tsv", "1", "2"}, 2, "unknown option '--tsv'"},
        ArgumentsRow{
            "LettersInX", {"--csv", "0.1", "x"}, 2, "'x' is not a valid floating point value"},
        ArgumentsRow{"Help", {"--help"}, 0, "Usage: series-table [--csv] PRECISION X\n\nPrints"},
        ArgumentsRow{"HelpWinsOverBadArguments", {"0.1", "--tsv", "--help"}, 0, "\n  bits  "},
        // clang-format off
        ArgumentsRow{"NegativeTermEndsAfterOneTerm", {"0.001", "-1"}, 0, "\nstopped after 1 term: its term, -2, is at or below the precision 0.001: the test takes the term's sign, so a negative term (x < 0) ends the series at once\n"},
        ArgumentsRow{"TermEqualToThePrecisionReachesIt", {"0.5", "0.5"}, 0, "\nstopped after 2 terms: its term, 0.5, is at or below the precision 0.5\n"},
        ArgumentsRow{"ThirtiethTermReachingThePrecisionIsNotTheLimit", {"0.005", "5"}, 0, "\nstopped after 30 terms: its term, 0.003769987, is at or below the precision 0.005\n"},
        ArgumentsRow{"OverflowAtTheIterationItHappens", {"0", "12"}, 0, "the last term, INF, was still above the precision 0\nthe value became INF at term 28: the numerator x·(2x)ⁿ left the single range\nexact "},
        ArgumentsRow{"SecondNumeratorOverflow", {"0.001", "100"}, 0, "\nthe value became INF at term 19: the numerator x·xⁿ left the single range\n"},
        ArgumentsRow{"ZeroXIsZeroOverZero", {"0.001", "0"}, 0, "its term was NaN, which counts as at or below the precision\nthe value became NAN at term 1: 0/0 at x = 0\n"},
        ArgumentsRow{"ErrorIsValueMinusExact", {"0.001", "1"}, 0, "\nexact 7.389056099, error -6.09e-05\n"},
        ArgumentsRow{"SumThatStopsChangingSaysWhen", {"0", "1"}, 0, "\nafter term 13 the sum no longer changes: every later term is below half an ulp of it\n"},
        ArgumentsRow{"CancellationCountsLostDigits", {"0", "1.6094"}, 0, "(4.7 digits lost)\n"},
        ArgumentsRow{"NoConditionForAnInfCombinedValue", {"0", "12"}, 0, "INF, exact 3.814316403e+12\n"},
        // clang-format on
        ArgumentsRow{"Version",
                     {"--version"},
                     0,
                     "series-table (Series Calculator) " SERIES_CALC_VERSION "\n"}),
    [](const testing::TestParamInfo<ArgumentsRow>& info) { return std::string(info.param.Name); });

} // namespace
