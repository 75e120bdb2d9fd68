# Compiles and links with Debian's flags, as Debian's own packages are built:
# dpkg-buildflags gives the stack protector, _FORTIFY_SOURCE, format checks and
# read-only relocations bound at start. Included before any target is made.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

function(series_calc_dpkg_buildflag name out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${name}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

series_calc_dpkg_buildflag(CPPFLAGS cppflags)
series_calc_dpkg_buildflag(CXXFLAGS cxxflags)
series_calc_dpkg_buildflag(LDFLAGS ldflags)
string(APPEND CMAKE_CXX_FLAGS " ${cppflags} ${cxxflags}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${ldflags}")
string(APPEND CMAKE_MODULE_LINKER_FLAGS " ${ldflags}") # the convergence window
message(STATUS "dpkg-buildflags: ${cppflags} ${cxxflags} | ${ldflags}")
