#!/usr/bin/env bash
# Builds the release preset and runs every benchmark. Extra arguments go to each benchmark
# program (for example --benchmark_filter=AddThrow).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
for bench in build/release/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" "$@"
done
