#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts Vantorix in the directory
# you called this from.
set -euo pipefail
here=$(pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "vantorix needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
"$root/scripts/install-deps.sh"
(cd "$root" && cmake --preset release >/dev/null)
cmake --build "$root/build/release" --target vantorix
cd "$here"
exec "$root/build/release/app/vantorix" "$@"
