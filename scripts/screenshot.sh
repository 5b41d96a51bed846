#!/usr/bin/env bash
# Puts a screenshot of a two-player 501 leg in play at docs/screenshot.png, and of the board
# for the room at its smallest and at full HD at docs/board-640x360.png and
# docs/board-1920x1080.png, and of the statistics page at docs/stats.png, of four and of eight
# sides at docs/four-sides.png, docs/eight-sides.png and docs/board-eight-sides.png, and of a
# cricket leg at docs/cricket.png with its board at docs/board-cricket.png, and of the New Game
# dialog and a leg in German and in Dutch at docs/new-game-de.png, docs/main-de.png and the
# same with nl: the real program under a private Xvfb server, driven by real keys.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
(cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target vantorix)

# Starts the program in a scratch folder of its own (its store there: nothing to resume), as
# $pid in $workdir, and waits for its New Game dialog, titled $1. The caller removes both.
launch() {
    workdir=$(mktemp -d)
    cd "$workdir"
    export XDG_DATA_HOME="$workdir"
    "$root/build/release/app/vantorix" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && break
        sleep 0.1
    done
}
capture() {
    set -euo pipefail
    launch 'New Game'
    trap 'kill $pid 2>/dev/null || true; rm -rf "$workdir"' RETURN
    xdotool key Tab Tab Tab
    xdotool type "Anna"
    xdotool key Tab          # the unchecked radio button is not a tab stop
    xdotool type "Ben"
    xdotool key Return
    sleep 0.5
    for turn in 100 60 140 140 140 140 ; do
        xdotool type --delay 30 "$turn"
        xdotool key Return
        sleep 0.15
    done
    xdotool type --delay 30 "26"
    sleep 0.3
    window=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
    import -window "$window" "$root/docs/screenshot.png"
    echo "wrote docs/screenshot.png"
    xdotool key ctrl+b
    sleep 0.5
    board=$(xdotool search --onlyvisible --name '^Vantorix Board$' | head -n 1)
    for size in 640x360 1920x1080; do
        xdotool windowmove "$board" 0 0 windowsize "$board" "${size%x*}" "${size#*x}"
        sleep 0.5
        import -window "$board" "$root/docs/board-$size.png"
        echo "wrote docs/board-$size.png"
    done
    # The statistics page after a leg won and a second begun, tall enough for its charts.
    xdotool key ctrl+b
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key Return                              # Anna 26: 95 left
    for keys in "type 100" "key alt+2" ; do         # Ben 100; Anna 95 on two darts
        # shellcheck disable=SC2086
        xdotool $keys
        case $keys in type*) xdotool key Return ;; esac
        sleep 0.2
    done
    sleep 1.3
    xdotool key ctrl+Return
    for turn in 60 100 45; do
        xdotool type --delay 30 "$turn"
        xdotool key Return
        sleep 0.15
    done
    xdotool key F3
    xdotool windowmove "$window" 0 0 windowsize "$window" 760 1400
    sleep 0.8
    import -window "$window" "$root/docs/stats.png"
    echo "wrote docs/stats.png"
}
# N sides set up by keys (the Players box, then every name by Tab), a round and a half typed.
capture_sides() {
    set -euo pipefail
    local sides=$1 shot=$2 board_shot=${3:-}
    launch 'New Game'
    trap 'kill $pid 2>/dev/null || true; rm -rf "$workdir"' RETURN
    xdotool key Tab Tab Tab Tab Tab Tab             # the Players box
    for _ in $(seq 3 "$sides"); do xdotool key Up; done
    sleep 0.3
    xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab # round to the first name
    local names=(Anna Ben Cleo Dan Eve Finn Gus Hal)
    for side in $(seq 0 $((sides - 1))); do
        xdotool type "${names[$side]}"
        xdotool key Tab
    done
    xdotool key Return
    sleep 0.6
    for turn in 100 60 140 45 26 81 180 100 41 60 85 20; do
        xdotool type --delay 30 "$turn"
        xdotool key Return
        sleep 0.15
    done
    sleep 0.3
    window=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
    import -window "$window" "$root/docs/$shot"
    echo "wrote docs/$shot"
    if [ -n "$board_shot" ]; then
        xdotool key ctrl+b
        sleep 0.5
        board=$(xdotool search --onlyvisible --name '^Vantorix Board$' | head -n 1)
        xdotool windowmove "$board" 0 0 windowsize "$board" 1920 1080
        sleep 0.8
        import -window "$board" "$root/docs/$board_shot"
        echo "wrote docs/$board_shot"
    fi
}
capture_cricket() {
    set -euo pipefail
    launch 'New Game'
    trap 'kill $pid 2>/dev/null || true; rm -rf "$workdir"' RETURN
    xdotool key alt+g Down Down Down Down # Cricket
    xdotool key Tab Tab Tab
    xdotool type "Anna"
    xdotool key Tab
    xdotool type "Ben"
    xdotool key alt+t
    xdotool type "3"
    xdotool key Return
    sleep 0.5
    for turn in "t20 t20 s19" "t19 s19" "t18 t17 s1" "d20 t20" "d16 d16 s16" "s15 s15 m"; do
        xdotool type "$turn"
        xdotool key Return
        sleep 0.2
    done
    main=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
    xdotool windowmove "$main" 0 0
    sleep 0.5
    import -window "$main" "$root/docs/cricket.png"
    echo "wrote docs/cricket.png"
    xdotool key ctrl+b
    for _ in $(seq 1 50); do
        xdotool search --onlyvisible --name '^Vantorix Board$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    board=$(xdotool search --onlyvisible --name '^Vantorix Board$' | head -n 1)
    xdotool windowmove "$board" 0 0 windowsize "$board" 1280 720
    sleep 0.5
    import -window "$board" "$root/docs/board-cricket.png"
    echo "wrote docs/board-cricket.png"
}
# The New Game dialog and a leg in play in language $1, whose New Game dialog is titled $2 and
# reaches its legs box by Alt+$3.
capture_language() {
    set -euo pipefail
    local language=$1 title=$2 legs_key=$3
    LANGUAGE=$language launch "$title"
    trap 'kill $pid 2>/dev/null || true; rm -rf "$workdir"' RETURN
    xdotool key Tab Tab Tab
    xdotool type "Anna"
    xdotool key Tab
    xdotool type "Ben"
    xdotool key "alt+$legs_key" # the legs box, by its mnemonic in this language
    xdotool type "3"
    sleep 0.3
    dialog=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
    import -window "$dialog" "$root/docs/new-game-$language.png"
    echo "wrote docs/new-game-$language.png"
    xdotool key Return
    sleep 0.5
    for turn in 100 60 140 140 140 140 26 100; do
        xdotool type --delay 30 "$turn"
        xdotool key Return
        sleep 0.15
    done
    xdotool type --delay 30 "36"
    sleep 0.3
    window=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
    import -window "$window" "$root/docs/main-$language.png"
    echo "wrote docs/main-$language.png"
}
all() {
    capture
    capture_sides 4 four-sides.png
    capture_sides 8 eight-sides.png board-eight-sides.png
    capture_cricket
    languages
}
languages() {
    capture_language de "Neues Spiel" z
    capture_language nl "Nieuw spel" e
}
export -f launch capture capture_sides capture_cricket capture_language languages all
export root
# `scripts/screenshot.sh languages` takes only the German and Dutch ones.
VTX_XVFB_SCREEN=2560x1440x24 "$root/tests/e2e/with-xvfb.sh" bash -c "${1:-all}"
