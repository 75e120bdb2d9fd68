#!/usr/bin/env bash
# Builds everything and runs every test: first a normal build, then one with
# the extended arithmetic in software, one under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets on their seed corpus (clang),
# and last the core built for aarch64 and s390x and run under qemu, and for
# i386. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build test

# GCC 12's AddressSanitizer cannot map its shadow memory where the kernel
# randomizes mmap with more than 28 bits (vm.mmap_rnd_bits): its programs,
# which the build runs too to list their tests, loop on DEADLYSIGNAL. There
# the sanitized presets build and run without ASLR.
no_aslr=()
if [ "$(cat /proc/sys/vm/mmap_rnd_bits 2>/dev/null || echo 0)" -gt 28 ]; then
    no_aslr=(setarch "$(uname -m)" --addr-no-randomize)
fi

for preset in default soft-extended asan fuzz; do
    echo "=== $preset build ==="
    run=()
    case "$preset" in asan | fuzz) run=("${no_aslr[@]}") ;; esac
    "${run[@]}" cmake --preset "$preset"
    "${run[@]}" cmake --build --preset "$preset"
    "${run[@]}" ctest --preset "$preset"
done

scripts/test-arch.sh aarch64 i386 s390x
