#!/usr/bin/env bash
# Runs a command under a private Xvfb server. Without Xvfb the test is skipped (exit 77),
# except in CI, where a missing Xvfb is a failure.
set -u
if ! command -v Xvfb >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    if [ -n "${CI:-}" ]; then
        echo "Xvfb or xdotool is missing; CI must run the real-key tests" >&2
        exit 1
    fi
    echo "SKIPPED: Xvfb or xdotool is not installed (scripts/install-deps.sh installs them)"
    exit 77
fi
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${VTX_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r -t 10 number <"$fifo"
rm -f "$fifo"
if [ -z "${number:-}" ]; then
    echo "Xvfb did not start" >&2
    kill "$xvfb" 2>/dev/null
    exit 1
fi
export DISPLAY=":$number"
export QT_QPA_PLATFORM=xcb
# The program speaks the desktop's language; the tests read its English unless they ask.
export LANGUAGE=${VTX_TEST_LANGUAGE:-en}
export XDG_RUNTIME_DIR=$(mktemp -d)
# Matches are stored in a folder of the run's own, never in the user's.
export XDG_DATA_HOME=${XDG_DATA_HOME_FOR_TEST:-$(mktemp -d)}
"$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$XDG_RUNTIME_DIR"
[ -n "${XDG_DATA_HOME_FOR_TEST:-}" ] || rm -rf "$XDG_DATA_HOME"
exit $status
