#!/usr/bin/env bash
# The real vantorix binary under X: it starts with the New Game dialog, a leg is played with
# keys only, Ctrl+N brings the dialog back, and Alt+X ends the program.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
cd "$workdir"
"$binary" >"$workdir/out.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$workdir"' EXIT
show_log() { echo "--- vantorix output:"; cat "$workdir/out.log"; }

wait_for_dialog 10 || { show_log; exit 1; }
echo "New Game dialog shown"
# Standard 501 is preselected; three tabs lead to the first name.
xdotool key Tab Tab Tab
xdotool type "Anna"
xdotool key Return
wait_for_no_window "New Game" || { show_log; exit 1; }
wait_for_keyboard "Vantorix" 5 || { show_log; exit 1; }
# Anna 180, 81, 180 and a two-dart 60; Player 2 60, 100 by Shift+Ctrl+0, 0 by Ctrl+0.
for keys in "type 180" "type 60" "type 81" "key ctrl+shift+0" "type 180" "key ctrl+0" "key alt+2"; do
    # shellcheck disable=SC2086
    xdotool $keys
    case $keys in type*) xdotool key Return ;; esac
    sleep 0.15
done
sleep 1.3                  # the winner banner holds input for a second
xdotool key ctrl+Return    # next leg
sleep 0.2
xdotool key ctrl+n
wait_for_dialog 5 || { show_log; exit 1; }
echo "New Game dialog shown again by Ctrl+N"
xdotool key Escape
wait_for_no_window "New Game" || { show_log; exit 1; }
wait_for_keyboard "Vantorix" 5 || { show_log; exit 1; }
xdotool key alt+x
status=0
wait_for_exit "$pid" || status=$?
if [ "$status" -eq 124 ]; then
    echo "vantorix is still running after Alt+X" >&2
    show_log
    exit 1
fi
echo "vantorix ended with status $status after Alt+X"
[ "$status" -eq 0 ] || show_log
exit "$status"
