#!/usr/bin/env bash
# The real binary under LANGUAGE=de: the New Game dialog and the main window speak German (the
# dialog's title, the default names it gives), a match is started and a turn typed by real keys;
# the Language menu's choice is kept in the settings file, and the desktop's language is used
# again once it is chosen back. English stays as it was under LANGUAGE=en.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
cd "$workdir"
trap 'kill $pid 2>/dev/null || true; rm -rf "$workdir"' EXIT
show_log() { echo "--- vantorix output:"; cat "$workdir/out.log"; }

LANGUAGE=de "$binary" >"$workdir/out.log" 2>&1 &
pid=$!
wait_for_window "Neues Spiel" 10 || { show_log; exit 1; }
wait_for_keyboard "Neues Spiel" 10 || { show_log; exit 1; }
echo "the New Game dialog is German"
xdotool key Return
wait_for_keyboard "Vantorix" 5 || { show_log; exit 1; }
xdotool type 60
xdotool key Return
sleep 0.3
for _ in 1 2 3 4 5; do xdotool key alt+x; wait_for_exit "$pid" && break || true; done
# The match was started with the dialog's German default names.
names=$(sqlite3 "$XDG_DATA_HOME/vantorix/matches.sqlite" "SELECT player1 || '/' || player2 FROM matches")
[ "$names" = "Spieler 1/Spieler 2" ] || { echo "names: $names"; show_log; exit 1; }
turns=$(sqlite3 "$XDG_DATA_HOME/vantorix/matches.sqlite" "SELECT score FROM operations")
[ "$turns" = "60" ] || { echo "turns: $turns"; exit 1; }
grep -q "<Language>" VTXSettings.xml && { echo "a language was written unasked"; exit 1; }
echo "German names, the turn typed, no language written unasked"

# A language chosen in the settings wins over the desktop's.
sed -i 's|</VTXSettings>|<Language>nl</Language></VTXSettings>|' VTXSettings.xml
LANGUAGE=de "$binary" >"$workdir/out.log" 2>&1 &
pid=$!
wait_for_window "Nieuw spel" 10 || { show_log; exit 1; }
xdotool key Escape
wait_for_keyboard "Vantorix" 5 || { show_log; exit 1; }
for _ in 1 2 3 4 5; do xdotool key alt+x; wait_for_exit "$pid" && break || true; done
[ "$(element VTXSettings.xml Language)" = "nl" ] || { echo "the chosen language was lost"; exit 1; }
echo "the chosen language (Dutch) is used and kept"
