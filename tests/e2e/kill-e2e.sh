#!/usr/bin/env bash
# Killed at random moments around its save, the program never leaves a missing, empty or
# partial settings file where a whole one stood. Usage: kill-e2e.sh BINARY [CYCLES]
set -euo pipefail
binary=$1
cycles=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"
file=$workdir/VTXSettings.xml

# A whole file to start from, written by a normal run.
"$binary" >/dev/null 2>&1 &
pid=$!
wait_for_dialog 10
xdotool key Escape
wait_for_no_window "New Game"
wait_for_keyboard "Vantorix" 5
xdotool key alt+x
wait_for_exit "$pid"
settings_file_is_whole "$file"

killed_before=0
killed_after=0
for cycle in $(seq 1 "$cycles"); do
    "$binary" >"$workdir/cycle.log" 2>&1 &
    pid=$!
    wait_for_dialog 10 || { cat "$workdir/cycle.log"; exit 1; }
    xdotool key Escape
    wait_for_no_window "New Game" || { cat "$workdir/cycle.log"; exit 1; }
    wait_for_keyboard "Vantorix" 5 || { cat "$workdir/cycle.log"; exit 1; }
    xdotool keydown --delay 0 alt+x # the window closes on the press; the release would come too late
    # Kill within the first few milliseconds after the key, while the window closes and
    # saves: before, during or after the write.
    delay=$((RANDOM % 10))
    [ "$delay" -eq 0 ] || sleep "0.00$delay"
    if kill -9 "$pid" 2>/dev/null; then killed_before=$((killed_before + 1)); else killed_after=$((killed_after + 1)); fi
    wait "$pid" 2>/dev/null || true
    xdotool keyup alt+x
    if ! settings_file_is_whole "$file"; then
        echo "FAIL: cycle $cycle left a broken settings file:"
        ls -la "$workdir"
        cat "$file" 2>/dev/null || true
        exit 1
    fi
done
echo "$cycles cycles: killed while running $killed_before times, $killed_after ended first;" \
    "the settings file was whole every time"
