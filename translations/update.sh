#!/usr/bin/env bash
# Brings the .ts files up to date with the sources (lupdate) and fills them from texts.py.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -silent -no-obsolete -locations none "$root/ui" "$root/app" "$root/room" "$root/games" \
    "$root/caller" "$root/store" "$root/words" "$root/boards" -ts "$root"/translations/vantorix_*.ts
python3 "$root/translations/fill.py" "$root"/translations/vantorix_*.ts
