#include "ErrorSplit.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// An MPFR number that owns its digits.
class Big {
public:
    explicit Big(mpfr_prec_t bits = MPFR_PREC_MIN) {
        mpfr_init2(V, std::max<mpfr_prec_t>(bits, MPFR_PREC_MIN));
    }
    Big(const Big& other) : Big(mpfr_get_prec(other.V)) { mpfr_set(V, other.V, MPFR_RNDN); }
    Big(Big&& other) noexcept : Big() { mpfr_swap(V, other.V); }
    Big& operator=(Big&& other) noexcept {
        mpfr_swap(V, other.V);
        return *this;
    }
    Big& operator=(const Big&) = delete;
    ~Big() { mpfr_clear(V); }

    operator mpfr_ptr() { return V; }
    operator mpfr_srcptr() const { return V; }

private:
    mpfr_t V;
};

Big FromFloat(float value) {
    Big result(24);
    mpfr_set_flt(result, value, MPFR_RNDN);
    return result;
}

// Exact arithmetic: each result gets the bits it needs, so nothing is rounded.
// Its operands are binary fractions, so the sums stay binary fractions.
Big ExactProduct(mpfr_srcptr a, mpfr_srcptr b) {
    Big result(mpfr_min_prec(a) + mpfr_min_prec(b));
    mpfr_mul(result, a, b, MPFR_RNDN);
    return result;
}

Big ExactSum(mpfr_srcptr a, mpfr_srcptr b, bool subtract = false) {
    mpfr_prec_t bits = MPFR_PREC_MIN;
    if (mpfr_regular_p(a) && mpfr_regular_p(b)) {
        const auto lowest = [](mpfr_srcptr v) {
            return mpfr_get_exp(v) - static_cast<mpfr_exp_t>(mpfr_min_prec(v));
        };
        bits = std::max(mpfr_get_exp(a), mpfr_get_exp(b)) + 1 - std::min(lowest(a), lowest(b));
    } else if (mpfr_zero_p(a) || mpfr_zero_p(b)) {
        bits = std::max(mpfr_min_prec(a), mpfr_min_prec(b));
    }
    Big result(bits);
    (subtract ? mpfr_sub : mpfr_add)(result, a, b, MPFR_RNDN);
    return result;
}

Big ExactProduct(mpfr_srcptr a, unsigned long b) {
    Big result(mpfr_min_prec(a) + 64);
    mpfr_mul_ui(result, a, b, MPFR_RNDN);
    return result;
}

// Each series approaches Scale e^(Factor x); in the order of SeriesKind.
struct SeriesShape {
    unsigned long Factor, Scale;
};
constexpr SeriesShape Shapes[] = {{2, 1}, {1, 5}};

// The sum of the first n terms of a series is Numerator / Factorial, n!, both
// exact: Numerator = Scale (n! + sum n!/k! (cx)^k), with c its Factor, built as
// A(n) = n A(n-1) + (cx)^n.
struct ExactPartial {
    Big Numerator;
    Big Factorial;
};

std::vector<ExactPartial> ExactPartials(int terms, float x, SeriesShape shape) {
    const Big cx = ExactProduct(FromFloat(x), shape.Factor);
    Big power = FromFloat(1), sum = FromFloat(1), factorial = FromFloat(1);
    std::vector<ExactPartial> partials;
    partials.reserve(terms);
    for (int n = 1; n <= terms; ++n) {
        power = ExactProduct(power, cx);
        sum = ExactSum(ExactProduct(sum, n), power);
        factorial = ExactProduct(factorial, n);
        partials.push_back({ExactProduct(sum, shape.Scale), Big(factorial)});
    }
    return partials;
}

Big TimesXSquared(mpfr_srcptr value, float x, mpfr_prec_t bits) {
    Big result(bits);
    const Big xx = FromFloat(x);
    mpfr_mul(result, value, xx, MPFR_RNDN);
    mpfr_mul(result, result, xx, MPFR_RNDN);
    return result;
}

// The working precision that d = a - b, each to `bits` bits, needs for its own
// `keep` bits to be right: the bits that cancel come on top. A zero d is exact
// only where `zeroIsExact`; otherwise the cancellation went past the precision.
mpfr_prec_t Needed(mpfr_srcptr a, mpfr_srcptr b, mpfr_srcptr d, mpfr_prec_t keep, mpfr_prec_t bits,
                   bool zeroIsExact) {
    if (!mpfr_regular_p(d))
        return mpfr_zero_p(d) && !zeroIsExact ? 2 * bits : 0;
    mpfr_exp_t top = mpfr_get_exp(d);
    for (mpfr_srcptr v : {a, b})
        if (mpfr_regular_p(v))
            top = std::max(top, mpfr_get_exp(v));
    return keep + (top - mpfr_get_exp(d)) + 8;
}

// Rounds `value` into `out` once.
void Round(ExactNumber& out, mpfr_srcptr value) {
    mpfr_set(out.Get(), value, MPFR_RNDN);
}

std::optional<double> Ulps(float value, const ExactNumber& rounding) {
    if (value == 0)
        return std::nullopt;
    const int exponent = std::ilogb(value) < -126 ? -149 : std::ilogb(value) - 23;
    Big scaled(ExactNumber::Bits);
    mpfr_mul_2si(scaled, rounding.Get(), -exponent, MPFR_RNDN);
    return mpfr_get_d(scaled, MPFR_RNDN);
}

std::optional<double> Digits(mpfr_srcptr total, mpfr_srcptr limit) {
    if (!mpfr_regular_p(total) || !mpfr_regular_p(limit))
        return std::nullopt;
    Big ratio(64);
    mpfr_div(ratio, total, limit, MPFR_RNDN);
    mpfr_abs(ratio, ratio, MPFR_RNDN);
    // The C library's logarithm is within an ulp on every processor, so its two
    // decimals are the same everywhere unless it falls next to a half; there,
    // and outside double's range, MPFR's correctly rounded one decides.
    const double digits = -std::log10(mpfr_get_d(ratio, MPFR_RNDN));
    const double hundredths = digits * 100 - std::floor(digits * 100);
    if (std::isfinite(digits) && std::abs(hundredths - 0.5) > 1e-6)
        return digits + 0.0; // all digits right is 0, not -0
    mpfr_log10(ratio, ratio, MPFR_RNDN);
    return 0.0 - mpfr_get_d(ratio, MPFR_RNDN);
}

// The double run: the same statements with double stores, for as many terms as
// the single run summed, so that the precision plays no part.
std::vector<double> DoubleRun(float x, IterationCounts counts) {
    TCalcState state{0, x, 1};
    std::vector<double> values;
    EvaluateSeriesIn<Extended, double>(
        state, [&](const BasicSeriesValue<double>& v) { values.push_back(v.Value); }, counts);
    return values;
}

// The three limits to `bits` bits, in the order of SeriesKind, and for each
// the bits that its making cancelled: the combined value's subtraction.
struct Limits {
    Big Of[3];
    mpfr_prec_t Lost[3] = {0, 0, 0};

    Limits(float x, mpfr_prec_t bits) : Of{Big(bits), Big(bits), Big(bits)} {
        for (int series : {0, 1}) {
            mpfr_exp(Of[series], ExactProduct(FromFloat(x), Shapes[series].Factor), MPFR_RNDN);
            mpfr_mul_ui(Of[series], Of[series], Shapes[series].Scale, MPFR_RNDN);
        }
        Big difference(bits);
        mpfr_sub(difference, Of[0], Of[1], MPFR_RNDN);
        Lost[2] = Needed(Of[0], Of[1], difference, 0, bits, false);
        Of[2] = TimesXSquared(difference, x, bits);
    }
};

} // namespace

double ExactDouble(SeriesKind kind, float x) {
    const mpfr_prec_t keep = 64;
    for (mpfr_prec_t bits = keep + 16;;) {
        const Limits limits(x, bits);
        const int k = int(kind);
        if (limits.Lost[k] + keep <= bits)
            return mpfr_get_d(limits.Of[k], MPFR_RNDN);
        bits = limits.Lost[k] + keep + 32;
    }
}

double ConditionNumber(float first, float second) {
    if (first == second)
        return INFINITY;
    // Sums of two singles are exact in 320 bits; one rounding, in the division.
    Big sum(320), difference(320), quotient(53);
    mpfr_set_flt(sum, std::abs(first), MPFR_RNDN);
    mpfr_add_d(sum, sum, std::abs(second), MPFR_RNDN);
    mpfr_set_flt(difference, first, MPFR_RNDN);
    mpfr_sub_d(difference, difference, second, MPFR_RNDN);
    mpfr_div(quotient, sum, difference, MPFR_RNDN);
    return std::abs(mpfr_get_d(quotient, MPFR_RNDN));
}

std::vector<ValueErrors> SplitErrors(std::span<const SeriesValue> values) {
    int terms[2] = {0, 0};
    for (const SeriesValue& v : values)
        if (v.Kind != SeriesKind::Combined)
            terms[int(v.Kind)] = v.Iteration;
    if (terms[0] == 0 || terms[1] == 0)
        return {}; // not a whole run
    const float x = values.front().X;
    const std::vector<double> doubles = DoubleRun(x, {terms[0], terms[1]});
    std::vector<ExactPartial> partials[2];
    for (int series : {0, 1})
        partials[series] = ExactPartials(terms[series], x, Shapes[series]);
    // (P1 - P2) x^2 over N1! N2!, with P1 and P2 the series' last partial sums.
    const ExactPartial &last1 = partials[0].back(), &last2 = partials[1].back();
    const ExactPartial combined{
        ExactProduct(ExactSum(ExactProduct(last1.Numerator, last2.Factorial),
                              ExactProduct(last2.Numerator, last1.Factorial), true),
                     ExactProduct(FromFloat(x), FromFloat(x))),
        ExactProduct(last1.Factorial, last2.Factorial)};
    const auto PartialOf = [&](const SeriesValue& v) -> const ExactPartial& {
        return v.Kind == SeriesKind::Combined ? combined : partials[int(v.Kind)][v.Iteration - 1];
    };

    std::vector<ValueErrors> errors(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float value = values[i].Value;
        const ExactPartial& partial = PartialOf(values[i]);
        ValueErrors& e = errors[i];
        mpfr_div(e.Partial.Get(), partial.Numerator, partial.Factorial, MPFR_RNDN);
        e.Double = i < doubles.size() ? doubles[i] : NAN;
        if (!std::isfinite(value))
            continue;
        // Value - Numerator / Factorial = (Value Factorial - Numerator) / Factorial.
        e.Rounding.emplace();
        mpfr_div(
            e.Rounding->Get(),
            ExactSum(ExactProduct(FromFloat(value), partial.Factorial), partial.Numerator, true),
            partial.Factorial, MPFR_RNDN);
        e.Ulps = Ulps(value, *e.Rounding);
    }

    // The limits and what is measured against them: the working precision
    // grows until no difference has lost the bits it needs.
    const bool zeroIsExact = x == 0;
    const mpfr_prec_t keep = ExactNumber::Bits + 8;
    for (mpfr_prec_t bits = 2 * ExactNumber::Bits;;) {
        const Limits limits(x, bits);
        mpfr_prec_t needed = limits.Lost[2] + keep;
        // The last truncation of each series and the bits it lost, for the
        // combined value's: (T1 - T2) x^2.
        Big lastTruncation[2] = {Big(bits), Big(bits)};
        mpfr_prec_t lastLost[2] = {0, 0};
        Big sum(bits), truncation(bits), difference(bits);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const SeriesValue& v = values[i];
            ValueErrors& e = errors[i];
            const int k = int(v.Kind);
            const Big& limit = limits.Of[k];
            Round(e.Limit, limit);
            if (v.Kind == SeriesKind::Combined) {
                mpfr_sub(truncation, lastTruncation[0], lastTruncation[1], MPFR_RNDN);
                needed = std::max(needed, Needed(lastTruncation[0], lastTruncation[1], truncation,
                                                 keep + std::max(lastLost[0], lastLost[1]), bits,
                                                 zeroIsExact));
                Round(e.Truncation, TimesXSquared(truncation, x, bits));
            } else {
                const ExactPartial& partial = PartialOf(v);
                mpfr_div(sum, partial.Numerator, partial.Factorial, MPFR_RNDN);
                mpfr_sub(truncation, sum, limit, MPFR_RNDN);
                needed = std::max(needed, Needed(sum, limit, truncation, keep, bits, zeroIsExact));
                Round(e.Truncation, truncation);
                lastLost[k] = Needed(sum, limit, truncation, 0, bits, true);
                mpfr_set(lastTruncation[k], truncation, MPFR_RNDN);
            }
            mpfr_d_sub(difference, e.Double, limit, MPFR_RNDN);
            needed = std::max(
                needed, Needed(limit, limit, difference, keep + limits.Lost[k], bits, zeroIsExact));
            Round(e.DoubleError, difference);
            if (!std::isfinite(v.Value))
                continue;
            mpfr_d_sub(difference, v.Value, limit, MPFR_RNDN);
            needed = std::max(needed,
                              Needed(limit, limit, difference, 64 + limits.Lost[k], bits, false));
            e.Digits = Digits(difference, limit);
        }
        if (needed <= bits)
            return errors;
        bits = needed + 32;
    }
}
