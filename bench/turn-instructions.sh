#!/usr/bin/env bash
# Instructions a typed turn costs (the Enter and everything it shows), counted by callgrind over
# the bench's timed part only: steadier than a clock on a busy machine, for before-and-after
# figures. The fresh match's and the long match's turns are counted apart (the long match has
# --legs legs behind it, 2 unless given). Usage: turn-instructions.sh BUILD_DIR [bench_ui_turn
# options...]
set -euo pipefail
build=$(realpath "$1")
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
samples=200
legs=2
arguments=("$@")
for ((i = 0; i < ${#arguments[@]}; ++i)); do
    if [ "${arguments[$i]}" = --legs ]; then legs=${arguments[$((i + 1))]}; fi
done
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --toggle-collect='*EnterAndShow*' \
    --callgrind-out-file="$scratch/out" "$build/bench/bench_ui_turn" --samples "$samples" \
    --legs "$legs" "$@" >"$scratch/log" 2>&1
callgrind_annotate --inclusive=yes "$scratch/out" >"$scratch/annotated"
phase() { awk -v name="$1" '$0 ~ name "\\(" {gsub(",", "", $1); print $1; exit}' "$scratch/annotated"; }
fresh=$(phase EnterAndShowFresh)
long=$(phase EnterAndShowLong)
awk -v f="$fresh" -v l="$long" -v n="$samples" -v legs="$legs" 'BEGIN {
    printf "instructions a turn: %.2f M fresh, %.2f M with %d legs played (%.2f x)\n",
        f / n / 1e6, l / n / 1e6, legs, l / f }'
