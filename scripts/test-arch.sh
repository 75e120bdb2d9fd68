#!/usr/bin/env bash
# Builds the core, the record file module, series-table and their tests for
# other processors and runs them: usage scripts/test-arch.sh ARCH..., with ARCH
#   aarch64  64-bit ARM, where long double is not the x87 format (qemu-user);
#   i386     32-bit x86, the x87 with Debian's flags (natively where the kernel
#            runs 32-bit programs, otherwise under qemu-user);
#   s390x    big-endian, with a 128-bit quad long double (qemu-user).
# Then checks that each one's series-table prints the same CSV, bits included,
# as the x86-64 build in build/. Needs that build first (./test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh "$@"

for arch in "$@"; do
    case "$arch" in
        aarch64 | i386 | s390x) ;;
        *) echo "$0: unknown architecture '$arch'" >&2 && exit 2 ;;
    esac
    echo "=== $arch build ==="
    cmake --preset "$arch"
    cmake --build --preset "$arch"
    if [ "$arch" = s390x ]; then
        # glibc reads compiled locales in its own byte order; the test preset
        # points LOCPATH here.
        mkdir -p build-s390x/locale
        localedef --big-endian -i uk_UA -f UTF-8 build-s390x/locale/uk_UA.UTF-8
    fi
    ctest --preset "$arch"
    # series-table runs as the tests ran: under the build's emulator, if any.
    IFS=';' read -ra run <<<"$(sed -n 's/^SERIES_CALC_RUNNER:INTERNAL=//p' "build-$arch/CMakeCache.txt")"

    echo "=== same bits on x86-64 and $arch ==="
    while read -r precision x; do
        diff <(build/tools/series-table --csv "$precision" "$x") \
            <("${run[@]}" "build-$arch/tools/series-table" --csv "$precision" "$x")
        echo "series-table --csv $precision $x: same"
    done <<'CASES'
0.001 1
0.000001 1
0 3
0.005 5
0.001 1.0000000596046448
0.001 0
0.001 -0
0.001 100
0 1e-40
1e-30 -7.5
-1 44.5
-0.001 20
0 1e-20
0 1.6094
0 1.609438
0 12
0 -5
-1 1e-20
CASES
done
