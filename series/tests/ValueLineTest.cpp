#include "ValueLine.h"

#include <gtest/gtest.h>

namespace {

struct ValueLineRow {
    const char* Name;
    const char* Prefix;
    float Value;
    char Separator;
    const char* Expected;
};

class ValueLineTable : public testing::TestWithParam<ValueLineRow> {};

TEST_P(ValueLineTable, PrefixIsFollowedAtOnceByTheNumber) {
    const ValueLineRow& row = GetParam();
    EXPECT_EQ(ValueLine(row.Prefix, row.Value, TFormatSettings{row.Separator}), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueLineTable,
    testing::Values(
        ValueLineRow{"RunningValueWithPoint", "Результат:", 7.388995f, '.', "Результат:7.388995"},
        ValueLineRow{"RunningValueWithComma", "Результат:", 7.388995f, ',', "Результат:7,388995"},
        ValueLineRow{"IntegralValueHasNoSeparator", "Результат:", 1, ',', "Результат:1"},
        ValueLineRow{"MinusFollowsTheColon", "Результат:", -6.202274f, '.', "Результат:-6.202274"},
        ValueLineRow{"RecordedPrecision", "Записане число точність:", 0.001f, ',',
                     "Записане число точність:0,001"},
        ValueLineRow{"NaNAfterPrefix", "Результат:", __builtin_nanf(""), '.', "Результат:NAN"}),
    [](const testing::TestParamInfo<ValueLineRow>& info) { return std::string(info.param.Name); });

} // namespace
