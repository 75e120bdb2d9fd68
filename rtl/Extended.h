#pragma once

#include <limits>
#include <type_traits>

// The type that carries intermediate results of one assignment before they are
// rounded to single. The arithmetic is defined on a 64-bit significand (x87
// extended); where long double is something else (a 53-bit double, or a 113-bit
// software type that would round differently) we fall back to double.
using Extended = std::conditional_t<std::numeric_limits<long double>::digits == 64, long double,
                                    double>;

static_assert(std::numeric_limits<Extended>::digits >= 53);
