#!/bin/sh
# run.sh ($1) takes WAYLAND_DISPLAY alone for a display: a copy of it, whose
# first step after the display check is a stand-in that exits 7, gets that far.
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
mkdir "$dir/scripts" && cp "$1" "$dir/run.sh" && printf 'exit 7\n' >"$dir/scripts/install-deps.sh"
chmod +x "$dir/scripts/install-deps.sh"
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-0 bash "$dir/run.sh"
[ $? -eq 7 ]
