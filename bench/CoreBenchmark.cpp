// Speed of the numeric core. The evaluator is compared with a plain loop that
// does the same single/extended arithmetic with no receiver; on the x87 path
// the two should stay within about 1.3x of each other.
#include "ErrorSplit.h"
#include "EvaluateSeries.h"
#include "Extended.h"
#include "FloatToStrF.h"
#include "SoftExtended.h"
#include "StrToFloat.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

void BM_EvaluateSeriesLongestCase(benchmark::State& bench) {
    for (auto _ : bench) {
        TCalcState state{0, 3, 1}; // 30 + 30 iterations
        benchmark::DoNotOptimize(state);
        // The receiver uses every value, so no arithmetic can be dropped as unused.
        float seen = 0;
        EvaluateSeries(state, [&](const SeriesValue& v) { seen += v.Value; });
        benchmark::DoNotOptimize(seen);
    }
}
BENCHMARK(BM_EvaluateSeriesLongestCase);

// The same on the software path that processors without x87 take.
void BM_EvaluateSeriesLongestCaseSoftExtended(benchmark::State& bench) {
    for (auto _ : bench) {
        TCalcState state{0, 3, 1};
        benchmark::DoNotOptimize(state);
        float seen = 0;
        EvaluateSeriesIn<SoftExtended>(state, [&](const SeriesValue& v) { seen += v.Value; });
        benchmark::DoNotOptimize(seen);
    }
}
BENCHMARK(BM_EvaluateSeriesLongestCaseSoftExtended);

// One series of the baseline: the same operations, roundings and stop test.
float PlainSeries(float x, float precision, float factor) {
    float counter = 1, numerator = x, factorial = 1, sum = 0, value = 0, term;
    do {
        counter = static_cast<float>(Extended(counter) + 1);
        const float index = static_cast<float>(Extended(counter) - 1);
        numerator = static_cast<float>(Extended(numerator) * x * factor);
        factorial = static_cast<float>(Extended(index) * factorial);
        sum = static_cast<float>(Extended(numerator) / (Extended(x) * factorial) + sum);
        value = static_cast<float>(Extended(sum) + 1);
        term = static_cast<float>(Extended(numerator) / (Extended(x) * factorial));
    } while (counter <= 30 && term > precision);
    return value;
}

float PlainCombined(float x, float precision) {
    const float first = PlainSeries(x, precision, 2);
    const float second = PlainSeries(x, precision, 1) * 5;
    return static_cast<float>((Extended(first) - second) / x * x * x * x);
}

void BM_PlainLoopBaseline(benchmark::State& bench) {
    // Read through volatiles so that the compiler cannot fold the loop.
    volatile float inputX = 3, inputPrecision = 0;
    float combined = 0;
    for (auto _ : bench) {
        combined = PlainCombined(inputX, inputPrecision);
        benchmark::DoNotOptimize(combined);
    }
    // The baseline must do the evaluator's work: same iterations, same result.
    TCalcState state{0, 3, 1};
    float evaluated = 0;
    EvaluateSeries(state, [&](const SeriesValue& v) { evaluated = v.Value; });
    if (std::abs(combined - evaluated) > 1e-3f * std::abs(evaluated))
        bench.SkipWithError("the baseline computes something else");
}
BENCHMARK(BM_PlainLoopBaseline);

// The exact sums behind the error split of a 61-value run, limits, tails and the
// double run included, to compare with the evaluator case above: x = 3, and
// x = 1, whose 24-bit x makes wider exact sums and whose tails fall to 10^-25.
void BM_ErrorSplitLongestCase(benchmark::State& bench, float x) {
    TCalcState state{0, x, 1};
    std::vector<SeriesValue> values;
    EvaluateSeries(state, [&](const SeriesValue& v) { values.push_back(v); });
    for (auto _ : bench)
        benchmark::DoNotOptimize(SplitErrors(values));
}
BENCHMARK_CAPTURE(BM_ErrorSplitLongestCase, x3, 3.0f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ErrorSplitLongestCase, x1, 1.0f)->Unit(benchmark::kMicrosecond);

void BM_FloatToStrF(benchmark::State& bench) {
    const TFormatSettings settings{','};
    float value = 7.388995f;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FloatToStrF(value, ffGeneral, 7, 2, settings));
    }
}
BENCHMARK(BM_FloatToStrF);

void BM_StrToFloat(benchmark::State& bench) {
    const TFormatSettings settings{','};
    for (auto _ : bench)
        benchmark::DoNotOptimize(StrToFloat(" -0,04303667E+1 ", settings));
}
BENCHMARK(BM_StrToFloat);

} // namespace

BENCHMARK_MAIN();
