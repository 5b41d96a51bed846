#!/usr/bin/env bash
# Every text of the program has its translation in each language: lupdate is run over the
# sources into copies of the .ts files, and any entry left unfinished (a new text, or one not yet
# translated) fails the test with its source text.
set -euo pipefail
root=$1
lupdate=${2:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/vantorix_*.ts "$work"/
"$lupdate" -silent -no-obsolete -locations none "$root/ui" "$root/app" "$root/room" "$root/games" "$root/caller" "$root/store" "$root/boards" \
    -ts "$work"/vantorix_*.ts
status=0
for ts in "$work"/vantorix_*.ts; do
    missing=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$missing" -ne 0 ]; then
        echo "$(basename "$ts"): $missing texts without a translation:"
        grep -B3 'type="unfinished"' "$ts" | grep -o '<source>.*</source>' | head -20
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every text translated in $(ls "$work"/vantorix_*.ts | wc -l) languages"
exit $status
