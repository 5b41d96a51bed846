#!/usr/bin/env bash
# On an 800x480 screen every window fits: the New Game dialog with a long Resume line (names
# of 64 characters), and the scoreboard behind it with its Thrown boxes on the screen.
set -euo pipefail
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$workdir"' EXIT
cd "$workdir"

# Prints "x y width height" of the visible window named $1.
geometry() {
    local window
    window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$X $Y $WIDTH $HEIGHT"
}
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
screen_height=$(xdotool getdisplaygeometry | cut -d' ' -f2)
fits() { # name
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    echo "$1: ${w}x${h} at $x,$y on ${screen_width}x${screen_height}"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_width" ] &&
        [ $((y + h)) -le "$screen_height" ]
}

# A match of two long names is left unfinished, as by a crash.
"$binary" >first.log 2>&1 &
pid=$!
wait_for_dialog 10 || { cat first.log; exit 1; }
xdotool key Tab Tab Tab
xdotool type "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"
xdotool key Tab
xdotool type "Maximiliana Wolfensteinn-Oberhausen"
xdotool key Return
wait_for_no_window "New Game" || { cat first.log; exit 1; }
wait_for_keyboard "Vantorix" 5 || { cat first.log; exit 1; }
status=0
fits Vantorix || { echo "FAIL: the scoreboard does not fit the screen"; status=1; }
kill -9 "$pid"
wait "$pid" 2>/dev/null || true

"$binary" >second.log 2>&1 &
pid=$!
wait_for_dialog 10 || { cat second.log; exit 1; }
# Waits up to 5 s for the window named $1 to be wider than $2 pixels.
wait_wider() {
    local width
    for _ in $(seq 1 50); do
        read -r _ _ width _ <<<"$(geometry "$1")"
        [ "$width" -gt "$2" ] && return 0
        sleep 0.1
    done
}
# The Resume line comes once the store is open, just after the dialog is painted.
wait_wider "New Game" 480
fits "New Game" || { echo "FAIL: the New Game dialog does not fit the screen"; status=1; }
# Pairs and handicaps: every name, thrower and start score box still on the screen.
xdotool key alt+a alt+h
wait_wider "New Game" 700
fits "New Game" || { echo "FAIL: the New Game dialog with pairs and handicaps does not fit"; status=1; }
wait_for_window "Vantorix" 5
fits Vantorix || { echo "FAIL: the scoreboard does not fit the screen"; status=1; }
xdotool key Escape
wait_for_no_window "New Game" || exit 1
wait_for_keyboard "Vantorix" 5 || exit 1
xdotool key ctrl+b
wait_for_window "Vantorix Board" 5 || { echo "FAIL: no board"; status=1; }
fits "Vantorix Board" || { echo "FAIL: the board does not fit the screen"; status=1; }
wait_for_keyboard "Vantorix" 5 || exit 1
xdotool key alt+x
wait_for_exit "$pid" || { echo "FAIL: vantorix did not end"; exit 1; }
pid=""
[ "$status" -eq 0 ] && echo "every window fits the small screen"
exit "$status"
