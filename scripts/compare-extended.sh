#!/usr/bin/env bash
# Compares the software extended arithmetic with the x87's, bit for bit, on
# ten million random inputs (CI runs 100,000). Usage: compare-extended.sh
# [CASES [SEED]]. Needs an x86 machine; takes about two minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target series_tests
export SERIES_CALC_EQUIVALENCE_CASES="${1:-10000000}"
[ $# -ge 2 ] && export SERIES_CALC_EQUIVALENCE_SEED="$2"
exec build/series/series_tests --gtest_filter='ExtendedEquivalence.*'
