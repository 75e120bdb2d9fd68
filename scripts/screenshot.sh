#!/usr/bin/env bash
# Starts the program under Xvfb, computes with precision 0.001 and x = 1,
# saves and reads back the record, and writes a screenshot of the window.
# Usage: scripts/screenshot.sh [OUTPUT.png] (default docs/screenshot.png)
# With CONVERGENCE=1 it then opens the convergence window (Ctrl+D) and takes
# that instead, as docs/convergence.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
program=$PWD/build/app/series-calc

scripts/install-deps.sh screenshot
[ -x "$program" ] || { cmake --preset default >/dev/null && cmake --build --preset default --target series-calc; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1

(cd "$work" && LC_ALL=uk_UA.UTF-8 LANG=uk_UA.UTF-8 "$program") &
app=$!
window=$(xdotool search --sync --name '^Form1$' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5
type_into() { xdotool mousemove --window "$window" "$1" "$2" click 1 type "$3"; }
type_into 200 154 "${PRECISION:-0,001}"
type_into 200 114 "${X:-1}"
xdotool key Return
xdotool mousemove --window "$window" 300 196 click 1 # Зберегти
sleep 0.3
xdotool mousemove --window "$window" 300 196 click 1 # Читати
sleep 0.5

if [ -n "${CONVERGENCE:-}" ]; then
    xdotool key ctrl+d
    window=$(xdotool search --sync --name '^(Convergence|Збіжність|Сходимость)$' | head -1)
    sleep 1
fi

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
kill $app
echo "wrote $out"
