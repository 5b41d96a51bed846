#!/usr/bin/env bash
# The Debian package unpacked into a scratch root (as dpkg would install it, without
# installing it), started through its bin/ link from another directory: the New Game dialog
# appears, and the player's hint list shows routes, so the checkout table was found beside the
# real executable. Usage: package-e2e.sh PACKAGE.deb
set -euo pipefail
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
root=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$root" "$elsewhere"' EXIT
pid=0
dpkg -x "$deb" "$root"
[ -L "$root/usr/bin/vantorix" ] || { echo "FAIL: usr/bin/vantorix is not a link"; exit 1; }
# The table is a configuration file in /etc (kept over upgrades), linked beside the executable.
table=/etc/vantorix/VTXOutShots.ini
[ -f "$root$table" ] || { echo "FAIL: no checkout table in $table"; exit 1; }
[ "$(readlink "$root/usr/lib/vantorix/VTXOutShots.ini")" = "$table" ] ||
    { echo "FAIL: the table beside the executable does not link to $table"; exit 1; }
dpkg-deb -I "$deb" conffiles | grep -qx "$table" || { echo "FAIL: $table is no conffile"; exit 1; }
echo "ok: $table is a configuration file, linked from usr/lib/vantorix"
[ -x "$root/usr/lib/vantorix/vantorix-voice" ] || { echo "FAIL: no caller's voice program"; exit 1; }
[ -f "$root/usr/lib/vantorix/charts/vantorix-charts.so" ] || { echo "FAIL: no charts module"; exit 1; }
for module in room/vantorix-room.so boards/vantorix-boards.so; do
    [ -f "$root/usr/lib/vantorix/$module" ] || { echo "FAIL: no $module"; exit 1; }
done
# The scoring boards' module brings Qt's Bluetooth and WebSockets with it.
for library in libqt6bluetooth6 libqt6websockets6; do
    dpkg-deb -f "$deb" Depends | grep -q "$library" ||
        { echo "FAIL: the package does not bring $library"; exit 1; }
done
# The caller's voices are flite's and espeak-ng's, linked into the voice program, spoken through
# the sound server.
for engine in libflite1 libespeak-ng1; do
    dpkg-deb -f "$deb" Depends | grep -q "$engine" ||
        { echo "FAIL: the package does not bring the speech engine $engine"; exit 1; }
done
dpkg-deb -f "$deb" Recommends | grep -q pulseaudio ||
    { echo "FAIL: no sound server is recommended"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q libqt6sql6-psql ||
    { echo "FAIL: the club server's driver is not recommended"; exit 1; }
# Qt's own buttons (Yes, No, Close) in the program's language.
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n ||
    { echo "FAIL: Qt's translations are not recommended"; exit 1; }
# Unpacked, not installed: the link would reach this machine's /etc, so it is pointed at the
# unpacked copy.
ln -sfn "$root$table" "$root/usr/lib/vantorix/VTXOutShots.ini"
echo "unpacked: $(readlink "$root/usr/bin/vantorix")"

cd "$elsewhere"
"$root/usr/bin/vantorix" >out.log 2>&1 &
pid=$!
wait_for_dialog 10 || { cat out.log; exit 1; }
echo "ok: the New Game dialog appeared"
xdotool key Return
wait_for_no_window "New Game" || { cat out.log; exit 1; }
wait_for_keyboard "Vantorix" 5 || { cat out.log; exit 1; }
window=$(xdotool search --onlyvisible --name '^Vantorix$' | head -n 1)
sleep 0.3
# The left hint list, below the statistics column of the first player.
hints_area() { import -window "$window" -crop 100x150+6+380 +repage "$1"; }
hints_area before.png
for turn in 180 60 151; do # the first player comes to 170
    xdotool type --delay 20 "$turn"
    xdotool key Return
    sleep 0.2
done
sleep 0.3
hints_area after.png
changed=$(compare -metric AE before.png after.png null: 2>&1 || true)
echo "pixels changed in the hint list: $changed"
if [ "${changed%%.*}" -lt 40 ]; then
    echo "FAIL: the hint list shows no route"
    cat out.log
    exit 1
fi
echo "ok: the hint list shows routes"
xdotool key alt+x
wait_for_exit "$pid" || { echo "FAIL: did not end cleanly"; cat out.log; exit 1; }
[ -f "$elsewhere/VTXSettings.xml" ] && echo "ok: settings written in the starting directory"
echo "package e2e passed"
