#pragma once

#include <cfloat>
#include <type_traits>

// The type that carries intermediate results of one assignment before they are
// rounded to single: the x87's extended format, with a 64-bit significand.
// Where long double is that format the hardware does the work; elsewhere (a
// 53-bit double, a 113-bit quad, or a build that asks for it to test the
// software path) SoftExtended does the same arithmetic bit for bit.
#if defined(SERIES_CALC_SOFT_EXTENDED) || LDBL_MANT_DIG != 64
#include "SoftExtended.h"
using Extended = SoftExtended;
#else
using Extended = long double;
#endif
#ifdef SERIES_CALC_SOFT_EXTENDED
#include "SoftExtended.h"
static_assert(std::is_same_v<Extended, SoftExtended>, "the soft-extended build must use MPFR");
#endif
