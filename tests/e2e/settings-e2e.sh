#!/usr/bin/env bash
# The settings file as a user meets it: chosen with real keys, written on Alt+X, read back
# on the next start into the dialog and the window's place.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"
file=$workdir/VTXSettings.xml
failures=0
expect() { # path element expected
    local actual
    actual=$(element "$1" "$2")
    if [ "$actual" != "$3" ]; then
        echo "FAIL: <$2> is '$actual', expected '$3'"
        failures=$((failures + 1))
    else
        echo "ok: <$2> $3"
    fi
}

echo "== run 1: empty directory, choices made with keys"
[ ! -e "$file" ]
"$binary" >run1.log 2>&1 &
pid=$!
wait_for_dialog 10 || exit 1
xdotool key Down Down            # Standard 501 -> Standard 1001
xdotool key Tab Tab Tab
xdotool type "Anna"
xdotool key Tab                  # the unchecked radio button is no tab stop
xdotool type "Ben"
xdotool key shift+Tab shift+Tab  # back to "Player 1 - Starts:"
xdotool key Down                 # "Player 2 - Starts:"
xdotool key Return
wait_for_no_window "New Game" || exit 1
wait_for_keyboard "Vantorix" 5 || exit 1
xdotool type --delay 20 "100"
xdotool key Return
window=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
xdotool windowmove --sync "$window" 100 80 || xdotool windowmove "$window" 100 80
sleep 0.3
xdotool key alt+x
wait_for_exit "$pid" || { echo "FAIL: run 1 did not end cleanly"; cat run1.log; exit 1; }
settings_file_is_whole "$file" || { echo "FAIL: no whole settings file"; exit 1; }
cat "$file"; echo
expect "$file" GameType 3
expect "$file" TwoPlayers true
expect "$file" Player1Name Anna
expect "$file" Player2Name Ben
expect "$file" Player1Starts false
expect "$file" Hints true
expect "$file" Left 100
expect "$file" Top 80
expect "$file" Width 669
expect "$file" Height 570
expect "$file" ViewState 0
expect "$file" Visible false
newgame1=$(grep -o '<NewGame>.*</NewGame>' "$file")

echo "== run 2: the dialog and the window come back as they were"
"$binary" >run2.log 2>&1 &
pid=$!
wait_for_dialog 10 || exit 1
wait_for_window "Vantorix" 10 || exit 1 # shown behind the dialog once the dialog is painted
window=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
geometry=$(xdotool getwindowgeometry "$window" | grep Position)
echo "main window: $geometry"
case $geometry in
*"100,80"*) echo "ok: window placed at 100,80" ;;
*) echo "FAIL: window not at 100,80"; failures=$((failures + 1)) ;;
esac
wait_for_keyboard "New Game" 10 || exit 1
xdotool key Return               # start with the choices as shown
wait_for_no_window "New Game" || exit 1
wait_for_keyboard "Vantorix" 5 || exit 1
xdotool key alt+x
wait_for_exit "$pid" || { echo "FAIL: run 2 did not end cleanly"; cat run2.log; exit 1; }
newgame2=$(grep -o '<NewGame>.*</NewGame>' "$file")
if [ "$newgame1" = "$newgame2" ]; then
    echo "ok: the dialog showed the saved choices"
else
    echo "FAIL: choices changed: $newgame2"
    failures=$((failures + 1))
fi

echo "== run 3: one player"
"$binary" >run3.log 2>&1 &
pid=$!
wait_for_dialog 10 || exit 1
xdotool key Tab space            # uncheck "2 Players": player 1 starts
xdotool key Return
wait_for_no_window "New Game" || exit 1
wait_for_keyboard "Vantorix" 5 || exit 1
xdotool key alt+x
wait_for_exit "$pid" || { echo "FAIL: run 3 did not end cleanly"; cat run3.log; exit 1; }
expect "$file" TwoPlayers false
expect "$file" Player1Starts true
expect "$file" GameType 3

echo "== run 4: a broken file is reported, kept as .bad, and replaced on exit"
printf 'not xml at all' >"$file"
"$binary" >run4.log 2>&1 &
pid=$!
wait_for_dialog 10 || exit 1
xdotool key Escape
wait_for_no_window "New Game" || exit 1
wait_for_keyboard "Vantorix" 5 || exit 1
xdotool key alt+x
wait_for_exit "$pid" || { echo "FAIL: run 4 did not end cleanly"; cat run4.log; exit 1; }
if grep -q "^vantorix: Settings file VTXSettings.xml: not a settings file" run4.log; then
    echo "ok: $(grep '^vantorix:' run4.log)"
else
    echo "FAIL: no report of the broken file"; cat run4.log; failures=$((failures + 1))
fi
settings_file_is_whole "$file" && expect "$file" GameType 1
if [ "$(cat "$file.bad" 2>/dev/null)" = "not xml at all" ]; then
    echo "ok: the broken file is kept as $file.bad"
else
    echo "FAIL: the broken file was not kept beside the new one"; failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "settings e2e passed"
