#!/usr/bin/env bash
# Builds the core, the record file module, series-table and their tests for
# 64-bit ARM, where long double is not the x87 format, and runs them under
# qemu-user. Then checks that series-table prints the same CSV, bits included,
# as the x86-64 build in build/. Needs that build first (./test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh cross

cmake --preset aarch64
cmake --build --preset aarch64
ctest --preset aarch64

echo "=== same bits on x86-64 and aarch64 ==="
while read -r precision x; do
    diff <(build/tools/series-table --csv "$precision" "$x") \
        <(qemu-aarch64-static build-aarch64/tools/series-table --csv "$precision" "$x")
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
CASES
