#!/usr/bin/env bash
# Shanghai, Halve-It and Killer, each chosen in New Game and played by real keys to the end of a
# one-leg match, killed (SIGKILL) part way and resumed with Alt+R: the resumed match goes on
# from its last stored turn (Killer with the numbers it drew) and is won.
# Usage: pub-games-e2e.sh BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
pid=0
trap 'kill -9 "$pid" 2>/dev/null || true; rm -rf "$workdir"' EXIT
cd "$workdir"

query() { sqlite3 "$XDG_DATA_HOME/vantorix/matches.sqlite" "$1" 2>/dev/null || echo "?"; }
operations() { query "SELECT COUNT(*) FROM operations"; }

start() { # the log's name
    "$binary" >"$workdir/$1.log" 2>&1 &
    pid=$!
    wait_for_dialog 10 || { cat "$workdir/$1.log"; exit 1; }
}

# Types one turn's darts (none: three misses), Enter, and waits until the store has it.
turn() {
    local before
    before=$(operations)
    [ -z "$1" ] || xdotool type --delay 5 "$1"
    xdotool key Return
    for _ in $(seq 1 200); do
        [ "$(operations)" -gt "$before" ] && return 0
        sleep 0.02
    done
    echo "FAIL: the turn '$1' was not stored" >&2
    exit 1
}

# The game `down` places below "Standard 501", for `players` players, first to one leg.
new_match() { # name, down, players
    export XDG_DATA_HOME=$workdir/$1
    mkdir -p "$XDG_DATA_HOME"
    start "$1"
    xdotool key alt+g
    for _ in $(seq 1 "$2"); do xdotool key Down; done
    xdotool key alt+l ctrl+a
    xdotool type "$3"
    xdotool key alt+t ctrl+a
    xdotool type 1
    xdotool key Return
    wait_for_no_window "New Game"
    wait_for_keyboard "Vantorix" 5
    [ "$(query "SELECT game FROM matches")" = "$1" ] || { echo "FAIL: '$1' was not started" >&2; exit 1; }
}

kill_and_resume() { # name
    local stored seed
    stored=$(operations)
    seed=$(query "SELECT seed FROM match_seeds")
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    start "$1-resumed"
    for _ in $(seq 1 50); do
        xdotool key alt+r
        xdotool search --onlyvisible --name '^New Game$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    wait_for_no_window "New Game"
    wait_for_keyboard "Vantorix" 5
    [ "$(operations)" = "$stored" ] && [ "$(query "SELECT seed FROM match_seeds")" = "$seed" ] ||
        { echo "FAIL: $1 did not come back as stored" >&2; exit 1; }
}

won() { # name, winner expected (-1: any side)
    local winner
    winner=$(query "SELECT winner FROM matches")
    if [ "$winner" = "?" ] || [ "$winner" -lt 0 ] || { [ "$2" -ge 0 ] && [ "$winner" != "$2" ]; }; then
        echo "FAIL: $1 ended with winner '$winner'" >&2
        exit 1
    fi
    echo "$1: won by side $winner after $(operations) turns, resumed once"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Shanghai: three rounds of misses, the kill, then Ben's Shanghai of 2 in round 2 wins at once.
new_match "Shanghai" 10 2
turn ""; turn ""; turn ""
kill_and_resume "Shanghai"
turn "s2 d2 t2"
won "Shanghai" 1

# Halve-It: Anna scores on the double, treble, 20 and bull rounds and halves the others; Ben
# misses everything.
new_match "Halve-It" 12 2
for round in $(seq 1 9); do
    turn "d20 t20 bull"
    turn ""
    [ "$round" -ne 3 ] || kill_and_resume "Halve-It"
done
won "Halve-It" 0

# Killer: every turn one dart, at the next double round the board, until one side is left. (The
# numbers are drawn, so a dart may put its thrower out or end the game: with one dart a turn no
# dart ever follows such a one.)
new_match "Killer" 13 3
[ "$(query "SELECT seed FROM match_seeds")" != "?" ] || { echo "FAIL: Killer kept no seed" >&2; exit 1; }
for played in $(seq 1 300); do
    turn "d$(((played - 1) % 20 + 1))"
    [ "$played" -ne 10 ] || kill_and_resume "Killer"
    [ "$(query "SELECT winner FROM matches")" -lt 0 ] || break
done
won "Killer" -1
