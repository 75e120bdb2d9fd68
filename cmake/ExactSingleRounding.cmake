# SERIES_CALC_EXACT_ROUNDING_OPTIONS: the compile options under which the
# series arithmetic rounds to single exactly where the code stores or casts to
# float, and nowhere else. Everything that includes Extended.h needs them.
#
# -ffp-contract=off: no fused multiply-add, which would skip a rounding.
#
# On the x87 (32-bit x86 without SSE math, where float arithmetic is evaluated
# in long double) GCC keeps a value in its 80-bit register across a store to
# float unless told otherwise, so the rounding to single does not happen.
# -fexcess-precision=standard rounds on every assignment and cast; GCC's C++
# front end has it only from GCC 13, and before that -ffloat-store does it by
# storing every float variable to memory. Clang rounds on every conversion to
# float anyway. Elsewhere nothing is added: the x86-64 build stays as it is.
include(CheckCXXSourceCompiles)

set(SERIES_CALC_EXACT_ROUNDING_OPTIONS -ffp-contract=off)

check_cxx_source_compiles([[
#if __FLT_EVAL_METHOD__ != 2
#error float arithmetic is not evaluated in long double here
#endif
int main() {}
]] SERIES_CALC_X87_EXCESS_PRECISION)

if(SERIES_CALC_X87_EXCESS_PRECISION AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        list(APPEND SERIES_CALC_EXACT_ROUNDING_OPTIONS -ffloat-store)
    else()
        list(APPEND SERIES_CALC_EXACT_ROUNDING_OPTIONS -fexcess-precision=standard)
    endif()
endif()
