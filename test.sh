#!/usr/bin/env bash
# Builds everything and runs every test: first a normal build, then one with
# the extended arithmetic in software, one under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets on their seed corpus (clang),
# and last the core built for aarch64 and s390x and run under qemu, and for
# i386. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build test

for preset in default soft-extended asan fuzz; do
    echo "=== $preset build ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

scripts/test-arch.sh aarch64 i386 s390x
