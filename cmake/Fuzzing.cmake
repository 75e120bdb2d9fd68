# libFuzzer (clang only, with SERIES_CALC_FUZZ and BUILD_TESTING). The fuzz
# targets run the number text and the record file: the libraries they link
# call fuzz_instrument() on themselves, so that libFuzzer sees their branches
# and the sanitizers catch their faults where they happen.
set(SERIES_CALC_FUZZING OFF)
if(BUILD_TESTING AND SERIES_CALC_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "SERIES_CALC_FUZZ needs clang (libFuzzer is part of clang), but the "
                            "C++ compiler is ${CMAKE_CXX_COMPILER_ID}. Configure with "
                            "CXX=clang++ in a fresh build folder.")
    endif()
    set(SERIES_CALC_FUZZING ON)
endif()

set(SERIES_CALC_FUZZ_SANITIZE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# Everything else that links an instrumented library, such as the unit tests,
# then needs the sanitizer runtime: the INTERFACE link option pulls it in.
function(fuzz_instrument target)
    if(SERIES_CALC_FUZZING)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link ${SERIES_CALC_FUZZ_SANITIZE})
        target_link_options(${target} INTERFACE -fsanitize=address,undefined)
    endif()
endfunction()
