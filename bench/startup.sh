#!/usr/bin/env bash
# Start-up of vantorix against a bare Qt dialog program built the same way, run alternately:
# until the New Game dialog is painted, and the whole start (VTX_STARTUP_UNTIL=main: the
# scoreboard, shown behind the dialog once it is painted, painted too). For each: the wall
# time, the CPU time (user and system) and the peak memory (maximum resident set), medians of
# the runs, and their ratios to the bare program's. Usage: startup.sh BUILD_DIR [N]
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
now() { date +%s%N; }
measure() { # program; prints "wall-microseconds cpu-microseconds kilobytes"
    local start
    start=$(now)
    VTX_STARTUP_CPU="$scratch/cpu" /usr/bin/time -f '%M' -o "$scratch/rss" "$1" >/dev/null 2>&1 ||
        true
    echo "$((($(now) - start) / 1000)) $(cat "$scratch/cpu") $(tail -n 1 "$scratch/rss")"
}
declare -A wall cpu memory
for _ in $(seq 1 "$runs"); do
    for kind in bare dialog whole; do
        case $kind in
            bare) line=$(measure "$build/bench/startup_bare") ;;
            dialog) line=$(measure "$build/bench/startup_vantorix") ;;
            whole) line=$(VTX_STARTUP_UNTIL=main measure "$build/bench/startup_vantorix") ;;
        esac
        read -r w c k <<<"$line"
        wall[$kind]+="$w "
        cpu[$kind]+="$c "
        memory[$kind]+="$k "
    done
done
median() { tr ' ' '\n' <<<"$1" | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "start-up ($QT_QPA_PLATFORM, $runs runs of each, alternating), medians:"
printf '  %-44s %9s %9s %11s\n' "" "wall us" "CPU us" "memory KiB"
for kind in bare dialog whole; do
    case $kind in
        bare) label="bare Qt dialog" ;;
        dialog) label="vantorix until the dialog is painted" ;;
        whole) label="vantorix until the scoreboard is painted too" ;;
    esac
    printf '  %-44s %9s %9s %11s\n' "$label" "$(median "${wall[$kind]}")" \
        "$(median "${cpu[$kind]}")" "$(median "${memory[$kind]}")"
done
for kind in dialog whole; do
    awk -v name="$kind" -v w="$(median "${wall[$kind]}")" -v bw="$(median "${wall[bare]}")" \
        -v c="$(median "${cpu[$kind]}")" -v bc="$(median "${cpu[bare]}")" \
        -v k="$(median "${memory[$kind]}")" -v bk="$(median "${memory[bare]}")" \
        'BEGIN {printf "  %-6s / bare: wall %.2f, CPU %.2f, memory %.2f\n", name, w / bw, c / bc, k / bk}'
done
