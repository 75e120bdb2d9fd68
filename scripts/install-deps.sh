#!/usr/bin/env bash
# Installs the Debian packages that one or more purposes need, for example
#   scripts/install-deps.sh build        # what ./run.sh needs
#   scripts/install-deps.sh build test   # what ./test.sh needs
# Does nothing when they are all present; otherwise needs root.
# A new purpose is one more list below, named packages_<purpose>.
set -euo pipefail

# Compiler, CMake, Qt and the fonts the window's layout is measured with:
# building and running the programs, and their man pages (po4a makes the
# Ukrainian and Russian series-calc(1) from the English one). lrelease compiles
# the translations (qt6-l10n-tools; qt6-tools-dev has its CMake functions);
# Qt's own translations word the inputs' context menu, and the window tests
# read them. Qt Charts draws the convergence plot (its CMake package needs Qt
# OpenGL's, which Debian 12 does not pull in) and Qt SVG exports it.
packages_build=(
    cmake ninja-build g++ pkgconf
    libmpfr-dev
    qt6-base-dev libgl-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
    fonts-liberation2
    help2man po4a
)

# Unit, window and fuzz tests, sanitizers and benchmarks; Qt's private
# headers turn headless accessibility on, to see the window's events.
packages_test=(
    libgtest-dev libbenchmark-dev qt6-base-private-dev
    clang libclang-rt-14-dev
    locales
)

# Building the Debian package: dpkg-shlibdeps finds its libraries.
packages_package=(
    dpkg-dev file
)

# Checking the package as CI does.
packages_package_check=(
    lintian desktop-file-utils appstream
)

# scripts/test-arch.sh aarch64: 64-bit ARM with arm64 libraries (multiarch),
# run under qemu-user.
packages_aarch64=(
    g++-aarch64-linux-gnu
    libgtest-dev:arm64 libmpfr-dev:arm64
    qemu-user-static
)

# scripts/test-arch.sh i386: 32-bit x86 with i386 libraries (multiarch). Debian's
# i686 cross compiler rather than g++-multilib, which cannot be installed beside
# the other cross compilers. The programs run natively, or under qemu-user
# where the kernel cannot run 32-bit programs.
packages_i386=(
    g++-i686-linux-gnu
    libgtest-dev:i386 libmpfr-dev:i386
    qemu-user-static
)

# scripts/test-arch.sh s390x: big-endian, with a 128-bit long double, with s390x
# libraries (multiarch) and run under qemu-user.
packages_s390x=(
    g++-s390x-linux-gnu
    libgtest-dev:s390x libmpfr-dev:s390x
    qemu-user-static
)

# scripts/screenshot.sh: a real window under Xvfb.
packages_screenshot=(
    xvfb xauth imagemagick xdotool
)

# scripts/screen-reader.sh: Orca reading the window under Xvfb over AT-SPI, on
# a D-Bus session of its own, speaking through speech-dispatcher into a file.
packages_screen_reader=(
    xvfb xauth xdotool
    orca at-spi2-core dbus-daemon speech-dispatcher
)

# scripts/render-icons.sh: the menu icons from their SVG.
packages_icons=(
    librsvg2-bin
)

# The tests check that numbers ignore a C locale whose decimal point is ','.
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^uk_UA\.utf-\?8$' || localedef -i uk_UA -f UTF-8 uk_UA.UTF-8
}

if [ $# -eq 0 ]; then
    echo "usage: $0 PURPOSE... (build, test, aarch64, i386, s390x, package, package-check, screenshot, screen-reader, icons)" >&2
    exit 2
fi

packages=()
for purpose in "$@"; do
    name=packages_${purpose//-/_}
    if ! declare -p "$name" >/dev/null 2>&1; then
        echo "$0: unknown purpose '$purpose'" >&2
        exit 2
    fi
    declare -n list=$name
    packages+=("${list[@]}")
    unset -n list
done

# The cross purposes install another architecture's libraries beside the
# machine's own. Each added architecture makes apt-get update slower.
for purpose in "$@"; do
    case "$purpose" in
        aarch64) arch=arm64 ;;
        i386 | s390x) arch=$purpose ;;
        *) continue ;;
    esac
    dpkg --print-foreign-architectures | grep -qx "$arch" || dpkg --add-architecture "$arch"
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq -o DPkg::Lock::Timeout=300
    apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"
fi

for purpose in "$@"; do
    if [ "$purpose" = test ]; then
        ensure_comma_locale
    fi
done
