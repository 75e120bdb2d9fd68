#include "AxisTicks.h"

#include <gtest/gtest.h>

namespace {

// A linear axis's labels, joined by spaces; or, for Log, the exponents of the
// decades and how many decades apart their labels are.
struct AxisRow {
    const char* Name;
    bool Log;
    double Low, High;
    char Separator;
    const char* Expected;
};

class AxisTicksTable : public testing::TestWithParam<AxisRow> {};

TEST_P(AxisTicksTable, RoundDistinctLocalised) {
    const AxisRow& row = GetParam();
    std::string labels;
    if (row.Log)
        labels = std::to_string(DecadeStep(int(row.Low), int(row.High)));
    for (const std::string& label : row.Log
                                        ? std::vector<std::string>{}
                                        : LinearTicks(row.Low, row.High, {row.Separator}).Labels)
        labels += (labels.empty() ? "" : " ") + label;
    EXPECT_EQ(labels, row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AxisTicksTable,
    testing::Values(AxisRow{"ThreeThousandthsAboveOneNeedFourDecimals", false, 1.000, 1.002, '.',
                            "1.0000 1.0005 1.0010 1.0015 1.0020"},
                    AxisRow{"UnitsAcrossFiveWithAComma", false, 2.78, 7.61, ',', "3 4 5 6 7"},
                    AxisRow{"AcrossTenStillFour", false, 9.82, 13.8, ',', "10 11 12 13"},
                    AxisRow{"HalvesWithAComma", false, 0.3, 2.2, ',', "0,5 1,0 1,5 2,0"},
                    AxisRow{"NegativeToPositiveNoMinusZero", false, -0.0031, 0.0042, '.',
                            "-0.002 0.000 0.002 0.004"},
                    AxisRow{"OneValueGetsRoom", false, 5.01, 5.01, '.', "4.8 4.9 5.0 5.1 5.2"},
                    AxisRow{"DecadesOneToTenBillionthEachOne", true, -9, 0, '.', "1"},
                    AxisRow{"TwentySixDecadesEverySecond", true, -25, 1, '.', "2"},
                    AxisRow{"ThirtyFiveDecadesEveryThird", true, -34, 1, '.', "3"}),
    [](const testing::TestParamInfo<AxisRow>& info) { return std::string(info.param.Name); });

} // namespace
