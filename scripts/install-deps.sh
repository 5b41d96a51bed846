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
install_axe() {
    # axe-core from npm, for the room pages' accessibility test only.
    local npm_dir=../build/npm
    if [ ! -f "$npm_dir/node_modules/axe-core/axe.min.js" ]; then
        # npm comes with the machine's Node.js where it has one, else from Debian.
        if ! command -v npm >/dev/null; then
            local sudo=()
            [ "$(id -u)" -eq 0 ] || sudo=(sudo)
            DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q npm
        fi
        echo "Installing axe-core from npm into build/npm"
        mkdir -p "$npm_dir"
        npm install --silent --no-audit --no-fund --prefix "$npm_dir" axe-core@4
    fi
}
if [ ${#missing[@]} -eq 0 ]; then
    install_axe
    exit 0
fi
echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
install_axe
