#!/usr/bin/env bash
# Builds everything and runs every test: first a normal build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets on
# their seed corpus (clang). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build test

for preset in default asan fuzz; do
    echo "=== $preset build ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
