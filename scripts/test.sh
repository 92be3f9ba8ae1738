#!/usr/bin/env bash
# The test command: installs what is needed, builds all three trees and runs every test
# (native tests with sanitizers and short fuzz runs, Windows tests under wine64 on a virtual display, and the
# same Windows tests of the players' 32-bit build under emulated 32-bit Wine; TR_SKIP_I686=1 leaves that out).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
"$root/scripts/setup.sh"
if [ "${TR_SKIP_I686:-0}" != 1 ]; then
    # The 32-bit Wine chroot (minutes, once per machine) is made while the trees build.
    mkdir -p "$build"
    "$root/scripts/i686-wine.sh" prepare >"$build/i686-prepare.log" 2>&1 &
    i686_prepare=$!
fi
"$root/scripts/build.sh"

for exe in "$build/win64/Tumbleridge.exe" "$build/win32/Tumbleridge.exe"; do
    test -f "$exe" || { echo "missing $exe"; exit 1; }
done

status=0
echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer, fuzz smoke runs)"
ctest --test-dir "$build/native" --output-on-failure -j "$(nproc)" || status=1

echo "== native tests as 32-bit code under qemu-i386 (UndefinedBehaviorSanitizer, fuzz seeds replayed once)"
ctest --test-dir "$build/native32" --output-on-failure -j "$(nproc)" || status=1

echo "== 32-bit build: the players' exe and the release package"
i686_note=""
if [ "${TR_SKIP_I686:-0}" = 1 ]; then
    ctest --test-dir "$build/win32" --output-on-failure -LE wine || status=1
    i686_note="NOTE: TR_SKIP_I686=1: the players' build (build/win32) was NOT run; its Windows tests were left out."
else
    echo "   with every Windows test under emulated 32-bit Wine (scripts/i686-wine.sh)"
    wait "$i686_prepare" || { cat "$build/i686-prepare.log"; status=1; }
    "$root/scripts/i686-wine.sh" ctest "$build" ${TR_CTEST_ARGS:-} || status=1
fi

echo "== Windows tests under wine64"
. "$root/scripts/wine-env.sh"
tr_wine_start "$build"
trap tr_wine_stop EXIT
ctest --test-dir "$build/win64" --output-on-failure ${TR_CTEST_ARGS:-} || status=1
[ -z "$i686_note" ] || echo "$i686_note"
exit $status
