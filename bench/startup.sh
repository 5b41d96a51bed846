#!/usr/bin/env bash
# Start-up time of vantorix (process start until the New Game dialog is painted) against a
# bare Qt dialog program built the same way, run alternately. Usage: startup.sh BUILD_DIR [N]
set -euo pipefail
build=$1
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
vtx=()
bare=()
now() { date +%s%N; }
for _ in $(seq 1 "$runs"); do
    start=$(now); "$build/bench/startup_bare" >/dev/null 2>&1; bare+=($(( ($(now) - start) / 1000 )))
    start=$(now); "$build/bench/startup_vantorix" >/dev/null 2>&1; vtx+=($(( ($(now) - start) / 1000 )))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mv=$(median "${vtx[@]}")
mb=$(median "${bare[@]}")
echo "start-up until the dialog is painted ($QT_QPA_PLATFORM, $runs runs each, alternating):"
echo "  bare Qt dialog: median ${mb} us"
echo "  vantorix:       median ${mv} us"
awk -v v="$mv" -v b="$mb" 'BEGIN {printf "  ratio:          %.2f\n", v / b}'
