#!/usr/bin/env bash
# Builds the Debian package build/package/vantorix_<version>_<arch>.deb (release build,
# installed under /usr), validates its desktop entry and AppStream metadata, and runs lintian
# on it. Fails on any validation error or lintian error; lintian's warnings are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
umask 022
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVTX_BUILD_TESTS=OFF -DVTX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vantorix_*.deb)
echo "built $deb"

desktop-file-validate data/desktop/org.vantorix.Vantorix.desktop
appstreamcli validate --no-net data/desktop/org.vantorix.Vantorix.metainfo.xml >/dev/null
echo "desktop entry and AppStream metadata are valid"

dpkg-deb --field "$deb" Package Version Architecture Section Depends
# lintian as root is refused unless asked; a package built here is safe to inspect.
lintian_output=$(lintian --allow-root --tag-display-limit 0 "$deb" 2>&1 || true)
echo "$lintian_output"
if echo "$lintian_output" | grep -q '^E: '; then
    echo "lintian reports errors" >&2
    exit 1
fi
echo "lintian: no errors"
