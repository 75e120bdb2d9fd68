#include "SoftExtended.h"

#include <bit>
#include <cstdint>

SoftExtended::operator float() const noexcept {
    // The x87's default NaN, whatever NaN this processor would make.
    if (mpfr_nan_p(Value))
        return std::bit_cast<float>(std::uint32_t{0xFFC00000});
    // mpfr_get_flt rounds once, also into the subnormal range.
    return mpfr_get_flt(Value, MPFR_RNDN);
}

SoftExtended::operator double() const noexcept {
    if (mpfr_nan_p(Value))
        return std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});
    return mpfr_get_d(Value, MPFR_RNDN);
}
