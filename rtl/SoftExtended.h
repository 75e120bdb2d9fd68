#pragma once

#include <mpfr.h>

#include <compare>
#include <concepts>
#include <ostream>
#include <type_traits>

// The x87's extended arithmetic in software, for processors whose long double
// is something else: a 64-bit significand, round to nearest even, and one
// correct rounding when a value is stored as a single. Within the range the
// series can reach, every result is the x87's bit for bit; a NaN result carries
// the x87's bits (negative, quiet, no payload).
//
// The value lives in the object itself (MPFR's custom interface), so
// temporaries cost no allocation.
class SoftExtended {
public:
    static constexpr mpfr_prec_t Bits = 64;

    SoftExtended() noexcept { Init(); }

    // Exact for float, double and x87 long double, which all fit in 64 bits.
    template <typename T>
    requires std::floating_point<T> ||(std::integral<T> && sizeof(T) <= sizeof(long))
        SoftExtended(T value) noexcept {
        Init();
        if constexpr (std::is_same_v<T, float>)
            mpfr_set_flt(Value, value, MPFR_RNDN);
        else if constexpr (std::is_same_v<T, double>)
            mpfr_set_d(Value, value, MPFR_RNDN);
        else if constexpr (std::is_same_v<T, long double>)
            mpfr_set_ld(Value, value, MPFR_RNDN);
        else if constexpr (std::is_signed_v<T>)
            mpfr_set_si(Value, value, MPFR_RNDN);
        else
            mpfr_set_ui(Value, value, MPFR_RNDN);
    }

    // Rounds `value` to 64 bits, to nearest even.
    explicit SoftExtended(mpfr_srcptr value) noexcept {
        Init();
        mpfr_set(Value, value, MPFR_RNDN);
    }

    SoftExtended(const SoftExtended& other) noexcept {
        Init();
        mpfr_set(Value, other.Value, MPFR_RNDN);
    }

    SoftExtended& operator=(const SoftExtended& other) noexcept {
        mpfr_set(Value, other.Value, MPFR_RNDN);
        return *this;
    }

    // One rounding to single or double, as the x87 stores a value.
    explicit operator float() const noexcept;
    explicit operator double() const noexcept;
    explicit operator long double() const noexcept { return mpfr_get_ld(Value, MPFR_RNDN); }

    mpfr_srcptr Get() const noexcept { return Value; }

    friend SoftExtended operator+(const SoftExtended& a, const SoftExtended& b) noexcept {
        return Apply(mpfr_add, a, b);
    }
    friend SoftExtended operator-(const SoftExtended& a, const SoftExtended& b) noexcept {
        return Apply(mpfr_sub, a, b);
    }
    friend SoftExtended operator*(const SoftExtended& a, const SoftExtended& b) noexcept {
        return Apply(mpfr_mul, a, b);
    }
    friend SoftExtended operator/(const SoftExtended& a, const SoftExtended& b) noexcept {
        return Apply(mpfr_div, a, b);
    }
    friend SoftExtended operator-(const SoftExtended& a) noexcept {
        SoftExtended result;
        mpfr_neg(result.Value, a.Value, MPFR_RNDN);
        return result;
    }

    // IEEE comparisons: NaN is unordered, -0 equals +0.
    friend bool operator==(const SoftExtended& a, const SoftExtended& b) noexcept {
        return mpfr_equal_p(a.Value, b.Value) != 0;
    }
    friend std::partial_ordering operator<=>(const SoftExtended& a,
                                             const SoftExtended& b) noexcept {
        if (mpfr_unordered_p(a.Value, b.Value))
            return std::partial_ordering::unordered;
        const int order = mpfr_cmp(a.Value, b.Value);
        return order < 0   ? std::partial_ordering::less
               : order > 0 ? std::partial_ordering::greater
                           : std::partial_ordering::equivalent;
    }

    friend std::ostream& operator<<(std::ostream& out, const SoftExtended& value) {
        return out << static_cast<long double>(value);
    }

private:
    using Operation = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

    static SoftExtended Apply(Operation operation, const SoftExtended& a,
                              const SoftExtended& b) noexcept {
        SoftExtended result;
        operation(result.Value, a.Value, b.Value, MPFR_RNDN);
        return result;
    }

    // A +0 of 64 bits whose significand is Limbs.
    void Init() noexcept {
        mpfr_custom_init(Limbs, Bits);
        mpfr_custom_init_set(Value, MPFR_ZERO_KIND, 0, Bits, Limbs);
    }

    mp_limb_t Limbs[(Bits + GMP_NUMB_BITS - 1) / GMP_NUMB_BITS];
    mpfr_t Value;
};
