#!/usr/bin/env bash
# Builds the release preset and runs every benchmark. Extra arguments go to the model
# benchmark (for example --benchmark_filter=AddThrow).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
echo "== model"
build/release/bench/bench_model "$@"
echo "== typed turn in the window (offscreen)"
QT_QPA_PLATFORM=offscreen build/release/bench/bench_ui_turn
QT_QPA_PLATFORM=offscreen build/release/bench/bench_ui_turn --store
QT_QPA_PLATFORM=offscreen build/release/bench/bench_ui_turn --room
echo "== start-up, offscreen"
bench/startup.sh build/release 30
echo "== start-up, X11 (xcb) under Xvfb"
tests/e2e/with-xvfb.sh bench/startup.sh build/release 15
echo "== the store at scale: 20,000 matches (about 45 s to write)"
store=$(mktemp -d)
build/release/bench/bench_store make "$store/matches.sqlite" 20000 | tail -n 1
build/release/bench/bench_store time "$store/matches.sqlite"
QT_QPA_PLATFORM=xcb tests/e2e/with-xvfb.sh build/release/bench/bench_store time "$store/matches.sqlite"
rm -rf "$store"
