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

// The sum of the first n terms of a series is Numerator / Factorial, n!, both
// exact: Numerator = scale (n! + sum n!/k! (cx)^k), built as A(n) = n A(n-1) + (cx)^n.
struct ExactPartial {
    Big Numerator;
    Big Factorial;
};

std::vector<ExactPartial> ExactPartials(int terms, float x, unsigned long factor,
                                        unsigned long scale) {
    const Big cx = ExactProduct(FromFloat(x), factor);
    Big power = FromFloat(1), sum = FromFloat(1), factorial = FromFloat(1);
    std::vector<ExactPartial> partials;
    partials.reserve(terms);
    for (int n = 1; n <= terms; ++n) {
        power = ExactProduct(power, cx);
        sum = ExactSum(ExactProduct(sum, n), power);
        factorial = ExactProduct(factorial, n);
        partials.push_back({ExactProduct(sum, scale), Big(factorial)});
    }
    return partials;
}

// e^(2x) and 5e^x to `bits` bits, and (first - second) x^2 from them.
void SeriesLimits(float x, mpfr_prec_t bits, Big& first, Big& second) {
    Big twiceX = ExactProduct(FromFloat(x), 2);
    first = Big(bits);
    mpfr_exp(first, twiceX, MPFR_RNDN);
    second = Big(bits);
    mpfr_exp(second, FromFloat(x), MPFR_RNDN);
    mpfr_mul_ui(second, second, 5, MPFR_RNDN);
}

Big TimesXSquared(mpfr_srcptr value, float x, mpfr_prec_t bits) {
    Big result(bits);
    const Big xx = FromFloat(x);
    mpfr_mul(result, value, xx, MPFR_RNDN);
    mpfr_mul(result, result, xx, MPFR_RNDN);
    return result;
}

Big Difference(mpfr_srcptr a, mpfr_srcptr b, mpfr_prec_t bits) {
    Big result(bits);
    mpfr_sub(result, a, b, MPFR_RNDN);
    return result;
}

Big Quotient(mpfr_srcptr a, mpfr_srcptr b, mpfr_prec_t bits) {
    Big result(bits);
    mpfr_div(result, a, b, MPFR_RNDN);
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
    Big ratio = Quotient(total, limit, 64);
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

// ExactLimit to at least `keep` right bits: a series' limit in one pass, the
// combined value's with as many more as its subtraction cancels.
Big LimitTo(SeriesKind kind, float x, mpfr_prec_t keep) {
    for (mpfr_prec_t bits = keep + 16;;) {
        Big first(bits), second(bits);
        if (kind != SeriesKind::Second)
            mpfr_exp(first, ExactProduct(FromFloat(x), 2), MPFR_RNDN);
        if (kind != SeriesKind::First) {
            mpfr_exp(second, FromFloat(x), MPFR_RNDN);
            mpfr_mul_ui(second, second, 5, MPFR_RNDN);
        }
        if (kind != SeriesKind::Combined)
            return kind == SeriesKind::First ? std::move(first) : std::move(second);
        Big difference(bits);
        mpfr_sub(difference, first, second, MPFR_RNDN);
        const mpfr_prec_t needed = Needed(first, second, difference, keep, bits, false);
        if (needed <= bits)
            return TimesXSquared(difference, x, bits);
        bits = needed + 32;
    }
}

} // namespace

ExactNumber ExactLimit(SeriesKind kind, float x) {
    ExactNumber limit;
    Round(limit, LimitTo(kind, x, ExactNumber::Bits + 8));
    return limit;
}

double ExactDouble(SeriesKind kind, float x) {
    return mpfr_get_d(LimitTo(kind, x, 64), MPFR_RNDN);
}

std::vector<ValueErrors> SplitErrors(std::span<const SeriesValue> values) {
    IterationCounts counts;
    for (const SeriesValue& v : values) {
        if (v.Kind == SeriesKind::First)
            counts.First = v.Iteration;
        else if (v.Kind == SeriesKind::Second)
            counts.Second = v.Iteration;
    }
    if (counts.First == 0 || counts.Second == 0)
        return {}; // not a whole run
    const float x = values.front().X;
    const std::vector<double> doubles = DoubleRun(x, counts);
    const std::vector<ExactPartial> first = ExactPartials(counts.First, x, 2, 1);
    const std::vector<ExactPartial> second = ExactPartials(counts.Second, x, 1, 5);
    // (P1 - P2) x^2 over N1! N2!, with P1 and P2 the series' last partial sums.
    const ExactPartial combined{
        ExactProduct(ExactSum(ExactProduct(first.back().Numerator, second.back().Factorial),
                              ExactProduct(second.back().Numerator, first.back().Factorial), true),
                     ExactProduct(FromFloat(x), FromFloat(x))),
        ExactProduct(first.back().Factorial, second.back().Factorial)};
    const auto PartialOf = [&](const SeriesValue& v) -> const ExactPartial& {
        return v.Kind == SeriesKind::Combined ? combined
               : v.Kind == SeriesKind::First  ? first[v.Iteration - 1]
                                              : second[v.Iteration - 1];
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
        Big limit1, limit2;
        SeriesLimits(x, bits, limit1, limit2);
        const Big limits = Difference(limit1, limit2, bits);
        const mpfr_prec_t lost = Needed(limit1, limit2, limits, 0, bits, false);
        const Big limitC = TimesXSquared(limits, x, bits);
        mpfr_prec_t needed = lost + keep;
        // The last truncation of each series and the bits it lost, for the
        // combined value's: (T1 - T2) x^2.
        Big lastTruncation[2] = {Big(bits), Big(bits)};
        mpfr_prec_t lastLost[2] = {0, 0};
        Big sum(bits), truncation(bits), difference(bits);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const SeriesValue& v = values[i];
            ValueErrors& e = errors[i];
            const bool isCombined = v.Kind == SeriesKind::Combined;
            const Big& limit = isCombined ? limitC : v.Kind == SeriesKind::First ? limit1 : limit2;
            const mpfr_prec_t limitLost = isCombined ? lost : 0;
            Round(e.Limit, limit);
            if (isCombined) {
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
                const int series = v.Kind == SeriesKind::First ? 0 : 1;
                lastLost[series] = Needed(sum, limit, truncation, 0, bits, true);
                mpfr_set(lastTruncation[series], truncation, MPFR_RNDN);
            }
            mpfr_d_sub(difference, e.Double, limit, MPFR_RNDN);
            needed = std::max(
                needed, Needed(limit, limit, difference, keep + limitLost, bits, zeroIsExact));
            Round(e.DoubleError, difference);
            if (!std::isfinite(v.Value))
                continue;
            mpfr_d_sub(difference, v.Value, limit, MPFR_RNDN);
            needed =
                std::max(needed, Needed(limit, limit, difference, 64 + limitLost, bits, false));
            e.Digits = Digits(difference, limit);
        }
        if (needed <= bits)
            return errors;
        bits = needed + 32;
    }
}
