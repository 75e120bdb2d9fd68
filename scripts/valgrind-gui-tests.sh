#!/usr/bin/env bash
# Runs the window tests under valgrind memcheck and fails on any definite leak
# or memory error. Slow (minutes); not part of ./test.sh.
# Usage: scripts/valgrind-gui-tests.sh [BUILD_DIR] (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
command -v valgrind >/dev/null || apt-get install -y --no-install-recommends valgrind
[ -d "$build" ] || { cmake --preset default && cmake --build --preset default; }

status=0
for test in ui/ui_tests form/tests/form_tests form/tests/file_faults_tests \
            form/tests/odd_input_tests form/tests/random_session_tests \
            form/tests/convergence_tests; do
    echo "=== $test"
    QT_QPA_PLATFORM=offscreen valgrind --quiet --tool=memcheck --leak-check=full \
        --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=99 \
        "$build/$test" -silent || status=1
done
exit $status
