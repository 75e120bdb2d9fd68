#include "EvaluateSeries.h"
#include "FloatToStrF.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Evaluation {
    std::vector<SeriesValue> First;
    std::vector<SeriesValue> Second;
    std::vector<SeriesValue> Combined;
    TCalcState State;
};

Evaluation Evaluate(float precision, float x) {
    Evaluation run;
    run.State = {precision, x, 1};
    EvaluateSeries(run.State, [&](const SeriesValue& v) {
        switch (v.Kind) {
        case SeriesKind::First:
            run.First.push_back(v);
            break;
        case SeriesKind::Second:
            run.Second.push_back(v);
            break;
        case SeriesKind::Combined:
            run.Combined.push_back(v);
            break;
        }
    });
    return run;
}

// The text the window shows for a value.
std::string Shown(float value) {
    return FloatToStrF(value, ffGeneral, 7, 2, TFormatSettings{'.'});
}

struct WorkedRow {
    const char* Name;
    float X;
    float Precision;
    size_t FirstIterations;
    size_t SecondIterations;
    const char* Series1;
    const char* Series2;
    const char* FinalValue;
};

class WorkedValues : public testing::TestWithParam<WorkedRow> {};

TEST_P(WorkedValues, MatchIterationCountsAndShownDigits) {
    const WorkedRow& row = GetParam();
    const Evaluation run = Evaluate(row.Precision, row.X);

    EXPECT_EQ(run.First.size(), row.FirstIterations);
    EXPECT_EQ(run.Second.size(), row.SecondIterations);
    ASSERT_EQ(run.Combined.size(), 1u);
    EXPECT_EQ(Shown(run.First.back().Value), row.Series1);
    EXPECT_EQ(Shown(run.Second.back().Value), row.Series2);
    EXPECT_EQ(Shown(run.Combined.front().Value), row.FinalValue);
    EXPECT_EQ(std::bit_cast<uint32_t>(run.State.Series1),
              std::bit_cast<uint32_t>(run.First.back().Value));
}

// Expected texts are what the labels show: 7 significant digits.
INSTANTIATE_TEST_SUITE_P(
    Table, WorkedValues,
    testing::Values(
        WorkedRow{"OneAtThousandth", 1, 0.001f, 10, 7, "7.388995", "13.59127", "-6.202274"},
        WorkedRow{"OneAtMillionth", 1, 0.000001f, 14, 10, "7.389057", "13.59141", "-6.202351"},
        WorkedRow{"HalfAtTenThousandth", 0.5f, 0.0001f, 8, 6, "2.718279", "8.243598", "-1.38133"},
        WorkedRow{"TwoNeedsExtendedIntermediates", 2, 0.001f, 15, 10, "54.59788", "36.94498",
                  "70.6116"},
        WorkedRow{"MinusOneStopsAtOnce", -1, 0.001f, 1, 1, "-1", "0", "-1"},
        WorkedRow{"TenthAtHundredth", 0.1f, 0.01f, 3, 2, "1.221333", "5.525", "-0.04303667"},
        WorkedRow{"ThreeAtZeroRunsTheCap", 3, 0, 30, 30, "403.4287", "100.4277", "2727.01"},
        WorkedRow{"FiveCountsThe30thTerm", 5, 0.005f, 30, 17, "22026.46", "742.0618", "532110.1"},
        // 2^9/9! rounds down to the precision: the single term stops, the unrounded one would not.
        WorkedRow{"NinthTermRoundedToThePrecisionStops", 1, 512.0f / 362880, 9, 6, "7.388713",
                  "13.59028", "-6.201565"}),
    [](const testing::TestParamInfo<WorkedRow>& info) { return std::string(info.param.Name); });

TEST(EvaluateSeries, HandsOverEveryIterationInOrderWithItsTerm) {
    const Evaluation run = Evaluate(0.001f, 1);

    for (size_t i = 0; i < run.First.size(); ++i)
        EXPECT_EQ(run.First[i].Iteration, static_cast<int>(i + 1));
    for (size_t i = 0; i + 1 < run.First.size(); ++i)
        EXPECT_GT(run.First[i].Term, 0.001f) << "only the last term meets the precision";
    // 2^10/10! is the first term of the first series at or below 0.001.
    EXPECT_FLOAT_EQ(run.First.back().Term, 1024.0f / 3628800.0f);
    EXPECT_EQ(run.First.front().Value, 3.0f); // 1 + 2x
    // 1/7! is the first term of the second series at or below 0.001.
    EXPECT_FLOAT_EQ(run.Second.back().Term, 1.0f / 5040.0f);
    EXPECT_EQ(run.Second.front().Value, 10.0f); // 5 (1 + x)
    EXPECT_EQ(run.Combined.front().Iteration, 0);
}

struct StopRow {
    const char* Name;
    float X;
    float Precision;
    size_t FirstIterations;
    size_t SecondIterations;
};

class StopRule : public testing::TestWithParam<StopRow> {};

TEST_P(StopRule, RunsTheExpectedNumberOfIterations) {
    const StopRow& row = GetParam();
    const Evaluation run = Evaluate(row.Precision, row.X);
    EXPECT_EQ(run.First.size(), row.FirstIterations);
    EXPECT_EQ(run.Second.size(), row.SecondIterations);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StopRule,
    testing::Values(
        // The first terms are 2x and x: a precision at or above them stops after one.
        StopRow{"PrecisionEqualToBothFirstTerms", 0.5f, 1, 1, 1},
        StopRow{"PrecisionAboveBothFirstTerms", 1, 100, 1, 1},
        StopRow{"PrecisionBetweenTheFirstTerms", 1, 1.5f, 3, 1},
        // The signed term is tested: a negative first term meets any precision >= 0.
        StopRow{"NegativeXWithZeroPrecision", -1, 0, 1, 1},
        StopRow{"NegativePrecisionMetOnlyByTheFirstTerm", -1, -1.5f, 1, 30},
        // No term ever reaches a precision at or below zero for x > 0.
        StopRow{"ZeroPrecisionRunsTheCap", 1, 0, 30, 30},
        StopRow{"NegativePrecisionRunsTheCap", 0.5f, -1, 30, 30},
        // Tiny x: the terms underflow to zero, which meets a zero precision.
        StopRow{"TermsUnderflowToZero", 1e-10f, 0, 4, 4},
        // x = 0 gives 0/0: the NaN term ends each series after one iteration.
        StopRow{"ZeroXStopsOnNaN", 0, 0.001f, 1, 1},
        StopRow{"NegativeZeroXStopsOnNaN", -0.0f, 0.001f, 1, 1},
        // x = 100 overflows the numerators; an infinite term never meets the precision.
        StopRow{"OverflowRunsTheCap", 100, 0.001f, 30, 30}),
    [](const testing::TestParamInfo<StopRow>& info) { return std::string(info.param.Name); });

TEST(EvaluateSeries, SinglePrecisionFirstIterationMatchesClosedForm) {
    for (float x : {-2.5f, -0.75f, 0.3f, 1.25f, 7.0f}) {
        const Evaluation run = Evaluate(1e30f, x);
        ASSERT_EQ(run.First.size(), 1u);
        ASSERT_EQ(run.Second.size(), 1u);
        EXPECT_EQ(run.First[0].Value, static_cast<float>(1 + 2 * static_cast<double>(x))) << x;
        EXPECT_EQ(run.Second[0].Value, static_cast<float>(5 * (1 + static_cast<double>(x)))) << x;
    }
}

TEST(EvaluateSeries, ZeroXShowsNaNEverywhere) {
    const Evaluation run = Evaluate(0.001f, 0);
    EXPECT_TRUE(std::isnan(run.First[0].Term));
    EXPECT_TRUE(std::isnan(run.First[0].Value));
    EXPECT_TRUE(std::isnan(run.Second[0].Value));
    EXPECT_TRUE(std::isnan(run.Combined[0].Value));
    EXPECT_TRUE(std::isnan(run.State.Series1));
}

TEST(EvaluateSeries, OverflowAtIteration16OfTheFirstSeriesFlowsOn) {
    const Evaluation run = Evaluate(0.001f, 100);
    // 100 * 200^15 fits in a single, 100 * 200^16 does not.
    EXPECT_TRUE(std::isfinite(run.First[14].Value));
    EXPECT_EQ(run.First[15].Iteration, 16);
    EXPECT_TRUE(std::isinf(run.First[15].Term));
    for (size_t i = 15; i < run.First.size(); ++i)
        EXPECT_EQ(run.First[i].Value, std::numeric_limits<float>::infinity()) << i;
    // 100^20 overflows the second numerator at iteration 19.
    EXPECT_TRUE(std::isfinite(run.Second[17].Value));
    EXPECT_TRUE(std::isinf(run.Second[18].Value));
    // inf - inf
    EXPECT_TRUE(std::isnan(run.Combined[0].Value));
}

TEST(EvaluateSeries, CombinedValueMultipliesByXSquared) {
    const Evaluation run = Evaluate(0.001f, 2);
    const double difference = run.First.back().Value - run.Second.back().Value;
    EXPECT_NEAR(run.Combined[0].Value, difference * 4, 1e-4);
}

TEST(EvaluateSeries, SecondPressWithSameInputsGivesSameBits) {
    const Evaluation first = Evaluate(0.0001f, 1.7f);
    const Evaluation second = Evaluate(0.0001f, 1.7f);
    ASSERT_EQ(first.Second.size(), second.Second.size());
    EXPECT_EQ(std::bit_cast<uint32_t>(first.Combined[0].Value),
              std::bit_cast<uint32_t>(second.Combined[0].Value));
}

} // namespace
