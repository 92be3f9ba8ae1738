#!/usr/bin/env bash
# Regenerates the README's pictures: starts the real launcher under Xvfb on the demo game folder (with the
# stand-in game disc in drive E:), opens every dialog in turn, and saves docs/screenshots/*.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
"$root/scripts/setup.sh"
TR_TREES=win64 "$root/scripts/build.sh"
. "$root/scripts/wine-env.sh"
. "$root/standins/disc/disc-drive.sh"
TR_OWN_DISPLAY=1 tr_wine_start "$build"
cleanup() { tr_drive_remove e >/dev/null 2>&1 || true; tr_wine_stop; }
trap cleanup EXIT
tr_drive_set e cdrom "$build/win64/standins/disc"
tr_drive_restart_server

work="$build/win64/screenshots"
rm -rf "$work" && mkdir -p "$work/shots"
cp -r "$build/win64/demo" "$work/game"
wine reg delete 'HKLM\Software\Harrowmark' /f >/dev/null 2>&1 || true
wine "$build/win64/bench/screenshot_tour.exe" "$(winepath -w "$work/game/Tumbleridge.exe")" \
    "$(winepath -w "$work/game")" "$(winepath -w "$work/shots")"

mkdir -p "$root/docs/screenshots"
for shot in "$work"/shots/*.bmp; do
    name="$(basename "$shot" .bmp)"
    convert "$shot" -strip "$root/docs/screenshots/$name.png"
    echo "docs/screenshots/$name.png"
done
