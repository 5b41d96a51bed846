#!/usr/bin/env bash
# Instructions a typed turn costs (the Enter and everything it shows), counted by callgrind over
# the bench's timed part only: steadier than a clock on a busy machine, for before-and-after
# figures. Usage: turn-instructions.sh BUILD_DIR [bench_ui_turn options...]
set -euo pipefail
build=$(realpath "$1")
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
samples=200
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --toggle-collect='*EnterAndShow*' \
    --callgrind-out-file="$scratch/out" "$build/bench/bench_ui_turn" --samples "$samples" \
    --legs 2 "$@" >"$scratch/log" 2>&1
total=$(callgrind_annotate "$scratch/out" | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
# Two measured runs of $samples turns each (a fresh match and a longer one).
awk -v t="$total" -v n="$samples" 'BEGIN {printf "instructions a turn: %.2f M\n", t / (2 * n) / 1e6}'
