#include "AxisTicks.h"

#include <gtest/gtest.h>

namespace {

// An axis's labels, joined by spaces; for Log, Low and High are the powers of
// ten at its ends, for Terms, High is the run's last term.
enum AxisKind { Linear, Log, Terms };
struct AxisRow {
    const char* Name;
    AxisKind Kind;
    double Low, High;
    char Separator;
    const char* Expected;
};

class AxisTicksTable : public testing::TestWithParam<AxisRow> {};

TEST_P(AxisTicksTable, RoundDistinctLocalised) {
    const AxisRow& row = GetParam();
    std::string labels;
    const AxisTicks ticks = row.Kind == Log     ? DecadeTicks(int(row.Low), int(row.High))
                            : row.Kind == Terms ? TermTicks(int(row.High), {row.Separator})
                                                : LinearTicks(row.Low, row.High, {row.Separator});
    for (const std::string& label : ticks.Labels)
        labels += (labels.empty() ? "" : " ") + label;
    EXPECT_EQ(labels, row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AxisTicksTable,
    testing::Values(AxisRow{"ThreeThousandthsAboveOneNeedFourDecimals", Linear, 1.000, 1.002, '.',
                            "1.0000 1.0005 1.0010 1.0015 1.0020"},
                    AxisRow{"UnitsAcrossFiveWithAComma", Linear, 2.78, 7.61, ',', "3 4 5 6 7"},
                    AxisRow{"AcrossTenStillFour", Linear, 9.82, 13.8, ',', "10 11 12 13"},
                    AxisRow{"HalvesWithAComma", Linear, 0.3, 2.2, ',', "0,5 1,0 1,5 2,0"},
                    AxisRow{"NegativeToPositiveNoMinusZero", Linear, -0.0031, 0.0042, '.',
                            "-0.002 0.000 0.002 0.004"},
                    AxisRow{"OneValueGetsRoom", Linear, 5.01, 5.01, '.', "4.8 4.9 5.0 5.1 5.2"},
                    AxisRow{"TensOfBillionsAsTheWindowWrites", Linear, -2.65e10, 0, ',',
                            "-2,5E10 -2E10 -1,5E10 -1E10 -5E09 0"},
                    AxisRow{"TrillionthsAsTheWindowWritesNoMinusZero", Linear, -0.5e-12, 4e-12, '.',
                            "0 1E-12 2E-12 3E-12 4E-12"},
                    AxisRow{"TenMillionsApartByOnesStayFixed", Linear, 1e7, 1e7 + 4, '.',
                            "10000000 10000001 10000002 10000003 10000004"},
                    AxisRow{"DecadesOneToTenBillionthEachOne", Log, -9, 0, '.',
                            "1e-09 1e-08 1e-07 1e-06 1e-05 1e-04 1e-03 1e-02 1e-01 1e+00"},
                    AxisRow{"FifteenDecadesEverySecondFromOne", Log, -15, 0, '.',
                            "1e-14 1e-12 1e-10 1e-08 1e-06 1e-04 1e-02 1e+00"},
                    AxisRow{"TwentyNineDecadesEveryThird", Log, -29, 0, '.',
                            "1e-27 1e-24 1e-21 1e-18 1e-15 1e-12 1e-09 1e-06 1e-03 1e+00"},
                    AxisRow{"TenTermsEachOne", Terms, 1, 10, ',', "1 2 3 4 5 6 7 8 9 10"},
                    AxisRow{"ElevenTermsEveryFifth", Terms, 1, 11, ',', "5 10"}),
    [](const testing::TestParamInfo<AxisRow>& info) { return std::string(info.param.Name); });

} // namespace
