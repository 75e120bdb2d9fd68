#include "SeriesTable.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(lines[0], "series,iteration,term,value,shown,bits");
    EXPECT_EQ(lines[1], "1,1,2,3,3,40400000");
    EXPECT_EQ(lines[10].substr(0, 5), "1,10,");
    EXPECT_EQ(lines[10].substr(lines[10].size() - 18), ",7.388995,40EC72A6");
    EXPECT_EQ(lines[11], "2,1,1,10,10,41200000");
    EXPECT_NE(lines[17].find(",13.59127,"), std::string::npos) << lines[17];
    EXPECT_EQ(lines[18].substr(0, 9), "final,,,-");
    EXPECT_NE(lines[18].find(",-6.202274,"), std::string::npos) << lines[18];
}

TEST(SeriesTableCsv, ShowsNaNAndInfinityAsPlainWords) {
    const Result zero = RunTool({"--csv", "0", "-0"});
    ASSERT_EQ(zero.Status, 0) << zero.Err;
    // The x87's default NaN, negative and quiet, on every processor.
    EXPECT_EQ(Lines(zero.Out).at(1), "1,1,nan,nan,NAN,FFC00000");

    const Result overflow = RunTool({"--csv", "0.001", "100"});
    ASSERT_EQ(overflow.Status, 0) << overflow.Err;
    EXPECT_EQ(Lines(overflow.Out).at(16), "1,16,inf,inf,INF,7F800000");
}

TEST(SeriesTableText, ShowsIterationsExactValuesAndErrors) {
    const Result r = RunTool({"0.001", "-1"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(r.Out.find("precision 0.001, x -1"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("exact 0.1353352832"), std::string::npos) << r.Out; // e^-2
    EXPECT_NE(r.Out.find("exact 1.839397206"), std::string::npos) << r.Out;  // 5e^-1
    EXPECT_NE(r.Out.find("combined (first - second) x^2: -1"), std::string::npos) << r.Out;
}

struct BadArgumentsRow {
    const char* Name;
    std::vector<std::string_view> Args;
    const char* ErrorText;
};

class SeriesTableBadArguments : public testing::TestWithParam<BadArgumentsRow> {};

TEST_P(SeriesTableBadArguments, ExitWithStatus2AndSayWhy) {
    const BadArgumentsRow& row = GetParam();
    const Result r = RunTool(row.Args);
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Out.empty());
    EXPECT_NE(r.Err.find(row.ErrorText), std::string::npos) << r.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SeriesTableBadArguments,
    testing::Values(BadArgumentsRow{"NoArguments", {}, "usage: series-table"},
                    BadArgumentsRow{"OneNumber", {"0.001"}, "usage: series-table"},
                    BadArgumentsRow{"ThreeNumbers", {"1", "2", "3"}, "usage: series-table"},
                    BadArgumentsRow{"CommaIsNotTheSeparator",
                                    {"0,001", "1"},
                                    "'0,001' is not a valid floating point value"},
                    BadArgumentsRow{"UnknownOptionIsNotANumber",
                                    {"--tsv", "1"},
                                    "'--tsv' is not a valid floating point value"},
                    BadArgumentsRow{"LettersInX",
                                    {"--csv", "0.1", "x"},
                                    "'x' is not a valid floating point value"}),
    [](const testing::TestParamInfo<BadArgumentsRow>& info) {
        return std::string(info.param.Name);
    });

} // namespace
