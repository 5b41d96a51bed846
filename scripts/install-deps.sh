#!/usr/bin/env bash
# Installs whatever is missing from scripts/debian-packages.txt; does nothing when all is there.
set -euo pipefail
cd "$(dirname "$0")"
mapfile -t wanted < <(grep -v -E '^\s*(#|$)' debian-packages.txt)
missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
