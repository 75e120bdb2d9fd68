#!/usr/bin/env bash
# Hears the window as a blind user does: starts the program under Xvfb with
# the Orca screen reader on a private D-Bus session, computes with precision
# 0,001 and x = 1 by keyboard, saves, reads back, asks Orca for the window's
# title and status bar, and prints what Orca spoke after each step. Nothing
# is played: speech-dispatcher's only output module writes the text to a file.
# Usage: scripts/screen-reader.sh [ORCA-DEBUG-LOG] (default: a temporary file)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/app/series-calc

# Everything runs on a D-Bus session of its own, which ends with the script.
if [ -z "${SCREEN_READER_SESSION:-}" ]; then
    scripts/install-deps.sh screen-reader
    [ -x "$program" ] || { cmake --preset default >/dev/null && cmake --build --preset default --target series-calc; }
    exec env SCREEN_READER_SESSION=1 dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi

work=$(mktemp -d)
log=${1:-$work/orca.log}
display=:$((80 + RANDOM % 9))
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    # speech-dispatcher, which Orca started
    kill "$(cat "$work/run/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null)" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# speech-dispatcher and Orca keep their settings here, not in the user's home.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_RUNTIME_DIR" "$work/orca"
chmod 700 "$XDG_RUNTIME_DIR"
# speech-dispatcher starts only with an audio output: ALSA's null device.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "uk"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/file.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \'\$DATA\' >> $work/spoken.txt"
GenericLanguage "uk" "uk" "utf-8"
AddVoice "uk" "MALE1" "uk"
EOF

Xvfb "$display" -screen 0 800x600x24 >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
sleep 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1

orca --replace --disable braille --disable braille-monitor --user-prefs "$work/orca" --debug-file "$log" >/dev/null 2>&1 &
orca=$!
pids+=("$orca")
sleep 4

(cd "$work" && LC_ALL=uk_UA.UTF-8 LANG=uk_UA.UTF-8 LANGUAGE=uk "$program" 2>"$work/program.log") &
pids+=($!)
window=$(xdotool search --sync --name '^Form1$' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 2

# Orca writes its log late, so each step notes when it began, and the log is
# split by those times at the end.
step() { # TITLE KEY...
    echo "$(date +%H:%M:%S.%N) $1" >>"$work/steps"
    shift
    xdotool key --delay 150 "$@"
    sleep 2
}

xdotool type --delay 100 "${PRECISION:-0,001}"
xdotool key Tab
xdotool type --delay 100 "${X:-1}"
sleep 1
step "Enter (compute)" Return
step "Tab, Tab to Зберегти, Space (save)" Tab Tab space
step "Space (read back)" space
step "Insert+KP_Enter (title)" Insert+KP_Enter
step "Insert+KP_Enter twice (status bar)" Insert+KP_Enter Insert+KP_Enter
date +%H:%M:%S.%N >>"$work/steps" # the end of the last step

# Orca writes the rest of its log as it exits. Its signal handler runs once
# Python gets control again, which a key press gives it.
kill "$orca"
for _ in {1..40}; do
    kill -0 "$orca" 2>/dev/null || break
    xdotool key shift
    sleep 0.25
done

# Orca's lines read "HH:MM:SS.micro - SPEECH OUTPUT: 'text' {voice}".
awk 'FNR == NR { time[++steps] = $1; title[steps] = substr($0, length($1) + 2); next }
     /SPEECH OUTPUT: / {
         while (step < steps && $1 >= time[step + 1]) if (title[++step] != "") print title[step] ":"
         if (step == 0 || step == steps) next
         sub(/^.*SPEECH OUTPUT: \047/, ""); sub(/\047 *(\{.*)?$/, ""); print "    " $0
     }' "$work/steps" "$log"
echo "(speech-dispatcher took $(wc -l <"$work/spoken.txt" 2>/dev/null || echo 0) lines, and played none)"
