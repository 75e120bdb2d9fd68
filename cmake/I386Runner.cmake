# How the i386 build runs its programs (tests, their discovery, series-table):
# natively where this kernel runs 32-bit x86 programs, otherwise under
# qemu-user. Some amd64 kernels are built without IA32 emulation, and there
# qemu-user-static registers no binfmt handler for i386, so nothing falls back
# to qemu by itself. Decided afresh at every configure by running a tiny i386
# program; SERIES_CALC_I386_NATIVE=0 in the environment forces qemu.
set(probe_dir ${CMAKE_BINARY_DIR}/i386-probe)
file(WRITE ${probe_dir}/probe.cpp "int main() { return sizeof(void *) == 4 ? 0 : 1; }\n")
try_compile(probe_built ${probe_dir}/build
            SOURCES ${probe_dir}/probe.cpp
            COPY_FILE ${probe_dir}/probe
            OUTPUT_VARIABLE probe_log)
set(built ${probe_built})
unset(probe_built CACHE)
if(NOT built)
    message(FATAL_ERROR "Cannot build a 32-bit x86 program with ${CMAKE_CXX_COMPILER}:\n${probe_log}")
endif()

if("$ENV{SERIES_CALC_I386_NATIVE}" STREQUAL "0")
    set(why "SERIES_CALC_I386_NATIVE=0 asks for qemu")
else()
    execute_process(COMMAND ${probe_dir}/probe RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(status STREQUAL "0")
        message(STATUS "i386 programs run natively: this kernel runs 32-bit x86 programs")
        unset(CMAKE_CROSSCOMPILING_EMULATOR)
        return()
    endif()
    set(why "this kernel cannot run a 32-bit x86 program (${status})")
endif()

find_program(qemu_i386 qemu-i386-static NO_CACHE)
if(NOT qemu_i386)
    message(FATAL_ERROR "i386 programs need qemu-i386-static: ${why}. "
                        "scripts/install-deps.sh i386 installs it.")
endif()
# The machine's own root holds the multiarch i386 libraries and the loader.
set(CMAKE_CROSSCOMPILING_EMULATOR ${qemu_i386} -L /)
message(STATUS "i386 programs run under ${qemu_i386} -L /: ${why}")
