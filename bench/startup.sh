#!/usr/bin/env bash
# Start-up of vantorix (process start until the New Game dialog is painted) against a bare Qt
# dialog program built the same way, run alternately: the time and the peak memory (maximum
# resident set) of each, medians, and their ratios. Usage: startup.sh BUILD_DIR [N]
# A third figure, for the record: vantorix until its main window (shown behind the dialog once
# the dialog is painted) is painted too.
# The platform is $QT_QPA_PLATFORM (offscreen when unset); run under tests/e2e/with-xvfb.sh for
# the X11 (xcb) figures.
set -euo pipefail
build=$(realpath "$1")
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" # a settings file of its own: none
vtx=()
bare=()
vtx_kb=()
bare_kb=()
now() { date +%s%N; }
measure() { # program; prints "microseconds kilobytes"
    local start
    start=$(now)
    /usr/bin/time -f %M -o "$scratch/rss" "$1" >/dev/null 2>&1 || true
    echo "$(( ($(now) - start) / 1000 )) $(tail -n 1 "$scratch/rss")"
}
whole=()
whole_kb=()
for _ in $(seq 1 "$runs"); do
    read -r us kb < <(measure "$build/bench/startup_bare"); bare+=("$us"); bare_kb+=("$kb")
    read -r us kb < <(measure "$build/bench/startup_vantorix"); vtx+=("$us"); vtx_kb+=("$kb")
    read -r us kb < <(VTX_STARTUP_UNTIL=main measure "$build/bench/startup_vantorix")
    whole+=("$us"); whole_kb+=("$kb")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mv=$(median "${vtx[@]}")
mb=$(median "${bare[@]}")
kv=$(median "${vtx_kb[@]}")
kb=$(median "${bare_kb[@]}")
echo "start-up until the dialog is painted ($QT_QPA_PLATFORM, $runs runs each, alternating):"
echo "  bare Qt dialog: median ${mb} us, peak memory ${kb} KiB"
echo "  vantorix:       median ${mv} us, peak memory ${kv} KiB"
awk -v v="$mv" -v b="$mb" 'BEGIN {printf "  time ratio:     %.2f\n", v / b}'
awk -v v="$kv" -v b="$kb" 'BEGIN {printf "  memory ratio:   %.2f\n", v / b}'
echo "  (vantorix until its main window, made and shown behind the dialog, is painted too:"
echo "   median $(median "${whole[@]}") us, peak memory $(median "${whole_kb[@]}") KiB)"
