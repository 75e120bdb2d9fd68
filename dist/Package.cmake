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

include(CPack)
