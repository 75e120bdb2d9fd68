#!/usr/bin/env bash
# Builds the programs and starts series-calc in the directory this was run
# from, where it saves Test.txt. Arguments go to the program.
set -euo pipefail
repo=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "series-calc needs a display: neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) is set" >&2
    exit 1
fi

(
    cd "$repo"
    scripts/install-deps.sh build
    cmake --preset run >/dev/null
    cmake --build --preset run
)
exec "$repo/build-run/app/series-calc" "$@"
