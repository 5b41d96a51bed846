#!/usr/bin/env bash
# Killed (SIGKILL) at random moments during play, the program loses no turn it had committed,
# the match file always passes SQLite's integrity check, and the next start resumes the same
# match (Alt+R) and goes on recording it. A turn is committed before the window paints it, so
# a committed turn is the upper bound of what the operator could have seen.
# Usage: store-kill-e2e.sh BINARY [CYCLES]
set -euo pipefail
binary=$1
cycles=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
workdir=$(mktemp -d)
trap 'kill -9 "${pid:-0}" 2>/dev/null || true; rm -rf "$workdir"' EXIT
cd "$workdir"
db=${XDG_DATA_HOME:?}/vantorix/matches.sqlite
pid=0

query() { sqlite3 "$db" "$1" 2>/dev/null || echo "?"; }
operations() { query "SELECT COUNT(*) FROM operations"; }

# Waits until the store holds more than $1 operations; fails after two seconds.
wait_for_more_than() {
    for _ in $(seq 1 100); do
        local now
        now=$(operations)
        if [ "$now" != "?" ] && [ "$now" -gt "$1" ]; then return 0; fi
        sleep 0.02
    done
    return 1
}

lost=0
for cycle in $(seq 1 "$cycles"); do
    "$binary" >"$workdir/cycle.log" 2>&1 &
    pid=$!
    wait_for_dialog 10 || { cat "$workdir/cycle.log"; exit 1; }
    if [ "$cycle" -eq 1 ]; then
        xdotool key Return
    else
        # Resume is offered once the store is open, just after the dialog is painted: Alt+R
        # before that does nothing, so it is pressed until the dialog goes.
        for _ in $(seq 1 50); do
            xdotool key alt+r
            xdotool search --onlyvisible --name '^New Game$' >/dev/null 2>&1 || break
            sleep 0.1
        done
    fi
    wait_for_no_window "New Game" || { echo "FAIL: cycle $cycle: the dialog stayed"; exit 1; }
    wait_for_keyboard "Vantorix" 5 || { cat "$workdir/cycle.log"; exit 1; }
    committed=$(operations)
    [ "$committed" != "?" ] || committed=0
    for _ in $(seq 1 $((1 + RANDOM % 4))); do
        xdotool type --delay 5 "0"
        xdotool key Return
        wait_for_more_than "$committed" || { echo "FAIL: cycle $cycle: a turn was not stored"; cat "$workdir/cycle.log"; exit 1; }
        committed=$(operations)
    done
    # One more turn, killed before, while or after it is stored.
    xdotool type --delay 5 "0"
    xdotool key Return
    delay=$((RANDOM % 40))
    sleep "0.0$(printf '%02d' "$delay")"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    after=$(operations)
    integrity=$(query "PRAGMA integrity_check")
    in_play=$(query "SELECT COUNT(*) FROM matches WHERE state = 0")
    matches=$(query "SELECT COUNT(*) FROM matches")
    if [ "$integrity" != "ok" ] || [ "$after" = "?" ] || [ "$after" -lt "$committed" ] ||
        [ "$after" -gt $((committed + 1)) ] || [ "$in_play" != 1 ] || [ "$matches" != 1 ]; then
        echo "FAIL: cycle $cycle: integrity '$integrity', $after operations after the kill," \
            "$committed committed before it, $in_play in play of $matches matches"
        lost=$((lost + 1))
        break
    fi
done
[ "$lost" -eq 0 ] || exit 1
echo "$cycles kills during play: no committed turn lost, integrity ok each time," \
    "$(operations) operations in the one resumed match"
