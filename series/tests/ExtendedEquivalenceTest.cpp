// The software extended arithmetic against the x87's: both evaluators must hand
// over the same singles, bit for bit, NaN bits included, on random inputs drawn
// from every class of float. SERIES_CALC_EQUIVALENCE_CASES sets the number of
// cases (scripts/compare-extended.sh runs ten million), and
// SERIES_CALC_EQUIVALENCE_SEED replays another seed.
#include "EvaluateSeries.h"
#include "SoftExtended.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// Everything the receiver is handed, as bits.
struct Trace {
    std::vector<std::uint32_t> Words;
    bool operator==(const Trace&) const = default;
};

template <typename Ext> Trace Evaluate(float precision, float x) {
    Trace trace;
    TCalcState state{precision, x, 1};
    EvaluateSeriesIn<Ext>(state, [&](const SeriesValue& v) {
        trace.Words.push_back(static_cast<std::uint32_t>(v.Kind) << 8 |
                              static_cast<std::uint32_t>(v.Iteration));
        trace.Words.push_back(std::bit_cast<std::uint32_t>(v.Term));
        trace.Words.push_back(std::bit_cast<std::uint32_t>(v.Value));
    });
    trace.Words.push_back(std::bit_cast<std::uint32_t>(state.Series1));
    return trace;
}

// Draws floats from every class the evaluator can meet, with random signs.
class FloatSource {
public:
    explicit FloatSource(std::uint64_t seed) : Engine(seed) {}

    float Next() {
        const std::uint32_t sign = Bits(1) << 31;
        switch (Bits(3)) {
        case 0: // zero
            return Make(sign);
        case 1: // subnormal
            return Make(sign | (1 + Pick(0x7FFFFE)));
        case 2: // any normal
            return Make(sign | (1 + Pick(253)) << 23 | Bits(23));
        case 3: // infinity
            return Make(sign | 0x7F800000);
        case 4: // a few units from 1
            return Make(0x3F800000 - 8 + Pick(16));
        case 5: // a few units below the largest single
            return Make(sign | (0x7F7FFFFF - Pick(16)));
        case 6: { // where the numerators, sums or combined value overflow
            std::uniform_real_distribution<float> magnitude(10, 130);
            return sign != 0 ? -magnitude(Engine) : magnitude(Engine);
        }
        default: { // everyday inputs: 10^-12 .. 10^2
            std::uniform_real_distribution<float> exponent(-12, 2);
            const float value = std::pow(10.0f, exponent(Engine));
            return sign != 0 ? -value : value;
        }
        }
    }

private:
    std::uint32_t Bits(int count) {
        return static_cast<std::uint32_t>(Engine()) & ((std::uint32_t{1} << count) - 1);
    }
    std::uint32_t Pick(std::uint32_t upTo) {
        return std::uniform_int_distribution<std::uint32_t>(0, upTo)(Engine);
    }
    static float Make(std::uint32_t bits) { return std::bit_cast<float>(bits); }

    std::mt19937_64 Engine;
};

std::string Hex(float value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", std::bit_cast<std::uint32_t>(value));
    return text;
}

TEST(ExtendedEquivalence, SoftwareMatchesTheX87BitForBit) {
    if (LDBL_MANT_DIG != 64)
        GTEST_SKIP() << "this processor has no x87 long double to compare with";
    const std::uint64_t cases = FromEnvironment("SERIES_CALC_EQUIVALENCE_CASES", 100'000);
    const std::uint64_t seed = FromEnvironment("SERIES_CALC_EQUIVALENCE_SEED", 20261207);
    FloatSource source(seed);
    std::uint64_t mismatches = 0;
    for (std::uint64_t i = 0; i < cases; ++i) {
        const float precision = source.Next();
        const float x = source.Next();
        if (Evaluate<long double>(precision, x) == Evaluate<SoftExtended>(precision, x))
            continue;
        if (++mismatches <= 5)
            ADD_FAILURE() << "case " << i << ": precision " << Hex(precision) << ", x " << Hex(x);
    }
    EXPECT_EQ(mismatches, 0u) << "of " << cases << " cases, seed " << seed;
}

// Rows the random draw is unlikely to hit exactly.
TEST(ExtendedEquivalence, KnownHardCases) {
    if (LDBL_MANT_DIG != 64)
        GTEST_SKIP() << "this processor has no x87 long double to compare with";
    const struct {
        const char* Name;
        float Precision;
        float X;
    } rows[] = {
        // 53-bit intermediates round the first running value to 0x40400000.
        {"FloatJustAboveOne", 0.001f, std::nextafter(1.0f, 2.0f)},
        {"ZeroGivesTheDefaultNaN", 0.001f, 0.0f},
        {"NegativeZero", 0.001f, -0.0f},
        {"OverflowAtIterationSixteen", 0.001f, 100.0f},
        {"SubnormalX", 0.0f, std::numeric_limits<float>::denorm_min()},
        {"LargestX", 0.0f, std::numeric_limits<float>::max()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Trace hardware = Evaluate<long double>(row.Precision, row.X);
        EXPECT_EQ(hardware.Words, Evaluate<SoftExtended>(row.Precision, row.X).Words);
    }
    // x = 0: the x87's NaN is negative and quiet, and so is the software's.
    EXPECT_EQ(Evaluate<SoftExtended>(0.001f, 0.0f).Words.at(2), 0xFFC00000u);
    EXPECT_TRUE(std::signbit(static_cast<long double>(-SoftExtended(0.0f)))); // as the x87's -(+0)
}

} // namespace
