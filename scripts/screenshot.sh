#!/usr/bin/env bash
# Starts the program under Xvfb, computes with precision 0.001 and x = 1,
# saves and reads back the record, and writes a screenshot of the window.
# Usage: scripts/screenshot.sh [OUTPUT.png] (default docs/screenshot.png)
# With CONVERGENCE=1 it then opens the convergence window (Ctrl+D) and takes
# that instead, as docs/convergence.png (CONVERGENCE=last: its table on the
# combined value's row); with HELP=1 the help (F1). The window
# runs under uk_UA.UTF-8 unless LOCALE names another locale.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
program=$PWD/build/app/series-calc

scripts/install-deps.sh screenshot
[ -x "$program" ] || { cmake --preset default >/dev/null && cmake --build --preset default --target series-calc; }

# Xvfb on a free display of its own, shared with no one.
if [ -z "${SCREENSHOT_XVFB:-}" ]; then
    SCREENSHOT_XVFB=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

locale=${LOCALE:-uk_UA.UTF-8}
(cd "$work" && LC_ALL=$locale LANG=$locale LANGUAGE= "$program") &
app=$!
window=$(xdotool search --sync --name '^Form1$' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5
type_into() { xdotool mousemove --window "$window" "$1" "$2" click 1 type -- "$3"; }
type_into 200 154 "${PRECISION:-0,001}"
type_into 200 114 "${X:-1}"
xdotool key Return
xdotool mousemove --window "$window" 300 196 click 1 # Зберегти
sleep 0.3
xdotool mousemove --window "$window" 300 196 click 1 # Читати
sleep 0.5

# The program's next visible window, whatever the language of its title.
next_window() {
    local next=
    until [ -n "$next" ]; do
        sleep 0.2
        next=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | tail -1 || true)
    done
    echo "$next"
}
if [ -n "${CONVERGENCE:-}" ]; then
    xdotool key ctrl+d
    window=$(next_window)
    sleep 1
    # CONVERGENCE=last: the table scrolled to its last row, the combined value.
    [ "$CONVERGENCE" = last ] && xdotool key ctrl+End && sleep 0.5
elif [ -n "${HELP:-}" ]; then
    xdotool key F1
    window=$(next_window)
    sleep 1
fi

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
kill $app
echo "wrote $out"
