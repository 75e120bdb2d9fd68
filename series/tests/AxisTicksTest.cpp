#include "AxisTicks.h"

#include <gtest/gtest.h>

namespace {

// An axis's labels, joined by spaces; for Log, Low and High are the powers of
// ten at its ends.
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
    for (const std::string& label : row.Log
                                        ? DecadeTicks(int(row.Low), int(row.High)).Labels
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
                    AxisRow{"DecadesOneToTenBillionthEachOne", true, -9, 0, '.',
                            "1e-09 1e-08 1e-07 1e-06 1e-05 1e-04 1e-03 1e-02 1e-01 1e+00"},
                    AxisRow{"FifteenDecadesEverySecondFromOne", true, -15, 0, '.',
                            "1e-14 1e-12 1e-10 1e-08 1e-06 1e-04 1e-02 1e+00"},
                    AxisRow{"TwentyNineDecadesEveryThird", true, -29, 0, '.',
                            "1e-27 1e-24 1e-21 1e-18 1e-15 1e-12 1e-09 1e-06 1e-03 1e+00"}),
    [](const testing::TestParamInfo<AxisRow>& info) { return std::string(info.param.Name); });

} // namespace
