# The Debian package, series-calc_<version>_<arch>.deb:
#   cmake --preset package && cmake --build --preset package && cpack --preset deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME series-calc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Series Calculator maintainers <maintainers@users.noreply.c-seed-8a183387.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "power series calculator for e^2x and 5e^x")
# CPack indents the lines and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Series Calculator opens one window: type a precision and an argument x, and
it sums the power series 1 + sum (2x)^n/n! and 5 (1 + sum x^n/n!) term by
term in single precision, each until its first term at or below the
precision or 30 terms, and shows the running values and the combined value
(first - second) x^2. It can save the inputs and the first value to Test.txt
in the working directory and read them back.
Ctrl+D opens a window with every iteration in a table and a plot of how
each series converges, which it saves as CSV, SVG or PNG.

series-table prints every iteration of both series on the command line, as
a table or as CSV.")

# The libraries come from dpkg-shlibdeps. The window's layout is measured with
# Liberation Sans: with another font its captions run under the inputs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt's own texts (an input's context menu, the message box's button) in the
# user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

# Two builds of one commit give the same bytes. Every time stamp is the date
# of the changelog's latest entry, as SOURCE_DATE_EPOCH: in the manual page
# help2man writes, in the file times rcc keeps with the resources (every custom
# command gets it), and in both tar members cpack writes, whose owners are root
# anyway. dpkg-buildflags maps the build path out of the binaries.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" date "${trailer}")
execute_process(COMMAND date --utc --date=${date} +%s OUTPUT_VARIABLE SERIES_CALC_SOURCE_DATE_EPOCH
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS changelog)
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SERIES_CALC_SOURCE_DATE_EPOCH}")
file(CONFIGURE OUTPUT CPackProjectConfig.cmake
     CONTENT "set(ENV{SOURCE_DATE_EPOCH} ${SERIES_CALC_SOURCE_DATE_EPOCH})\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackProjectConfig.cmake)

include(CPack)
