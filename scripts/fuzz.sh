#!/usr/bin/env bash
# Builds the libFuzzer targets of the two file readers, the darts notation, the keypad's
# network messages and the scoring boards' messages with clang and runs each for the given
# number of seconds (default 60) from the seed corpora in tests/data/fuzz. Prints the
# executions reached; a crash fails the run and leaves its input in build/fuzz/crashes.
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/crashes
status=0
run() { # target, seed folder, extra seed files...
    local target=$1 seeds=$2
    shift 2
    local corpus
    corpus=$(mktemp -d)
    cp "$seeds"/* "$@" "$corpus"/
    echo "== $target: $seconds s"
    if "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/crashes/"$target"- -timeout=10 -rss_limit_mb=2048 \
        "$corpus" >"build/fuzz/$target.log" 2>&1; then
        echo "$target: $(grep -E 'stat::number_of_executed_units' "build/fuzz/$target.log" | awk '{print $2}') executions, no crash" \
            "($(ls "$corpus" | wc -l) inputs in the corpus)"
    else
        echo "$target: FAILED; see build/fuzz/$target.log and build/fuzz/crashes/"
        tail -n 30 "build/fuzz/$target.log"
        rm -rf "$corpus"
        return 1
    fi
    rm -rf "$corpus"
}
# Four targets at a time on the two cores: each still runs its full time, with half a core.
pids=()
launch() {
    run "$@" &
    pids+=($!)
    if ((${#pids[@]} >= 4)); then
        settle
    fi
}
settle() {
    for pid in "${pids[@]}"; do
        wait "$pid" || status=1
    done
    pids=()
}
launch fuzz_settings tests/data/fuzz/settings
launch fuzz_checkout_table tests/data/fuzz/checkout-table data/VTXOutShots.ini
launch fuzz_darts tests/data/fuzz/darts
launch fuzz_room_message tests/data/fuzz/room-message
launch fuzz_room_request_line tests/data/fuzz/room-request-line
launch fuzz_room_frames tests/data/fuzz/room-frames
launch fuzz_granboard tests/data/fuzz/granboard
launch fuzz_camera_message tests/data/fuzz/camera-message
settle
exit $status
