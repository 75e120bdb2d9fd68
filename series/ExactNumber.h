#pragma once

#include <mpfr.h>

// A real number to 192 bits with MPFR's exponent range (beyond 10^±300000000),
// so that a tail of 10^-634 of its limit keeps its digits. Values are rounded
// into it once, to nearest; NaN and infinities pass. A value type: the digits
// live in the object.
class ExactNumber {
public:
    static constexpr mpfr_prec_t Bits = 192;

    ExactNumber() noexcept { Init(); }
    explicit ExactNumber(mpfr_srcptr value) noexcept {
        Init();
        mpfr_set(Value, value, MPFR_RNDN);
    }
    ExactNumber(const ExactNumber& other) noexcept : ExactNumber(other.Value) {}
    ExactNumber& operator=(const ExactNumber& other) noexcept {
        mpfr_set(Value, other.Value, MPFR_RNDN);
        return *this;
    }

    // For MPFR to round a result into.
    mpfr_ptr Get() noexcept { return Value; }
    mpfr_srcptr Get() const noexcept { return Value; }
    double ToDouble() const noexcept { return mpfr_get_d(Value, MPFR_RNDN); }

private:
    void Init() noexcept {
        mpfr_custom_init(Limbs, Bits);
        mpfr_custom_init_set(Value, MPFR_ZERO_KIND, 0, Bits, Limbs);
    }

    mp_limb_t Limbs[(Bits + GMP_NUMB_BITS - 1) / GMP_NUMB_BITS];
    mpfr_t Value;
};
