// Speed of the numeric core. The evaluator is compared with a plain loop that
// does the same single/extended arithmetic with no receiver.
#include "EvaluateSeries.h"
#include "Extended.h"
#include "FloatToStrF.h"
#include "StrToFloat.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EvaluateSeriesLongestCase(benchmark::State& bench) {
    const SeriesReceiver ignore = [](const SeriesValue&) {};
    for (auto _ : bench) {
        TCalcState state{0, 3, 1}; // 30 + 30 iterations
        benchmark::DoNotOptimize(state);
        EvaluateSeries(state, ignore);
        benchmark::DoNotOptimize(state.Series1);
    }
}
BENCHMARK(BM_EvaluateSeriesLongestCase);

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

void BM_PlainLoopBaseline(benchmark::State& bench) {
    for (auto _ : bench) {
        float x = 3, precision = 0;
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(precision);
        const float first = PlainSeries(x, precision, 2);
        const float second = PlainSeries(x, precision, 1) * 5;
        benchmark::DoNotOptimize(static_cast<float>((Extended(first) - second) / x * x * x * x));
    }
}
BENCHMARK(BM_PlainLoopBaseline);

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
