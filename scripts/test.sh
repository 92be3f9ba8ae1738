#!/usr/bin/env bash
# The test command: installs what is needed, builds all three trees and runs every test
# (native tests with sanitizers and short fuzz runs, Windows tests under wine64 on a virtual display).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
"$root/scripts/setup.sh"
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
ctest --test-dir "$build/win32" --output-on-failure || status=1

echo "== Windows tests under wine64"
. "$root/scripts/wine-env.sh"
tr_wine_start "$build"
trap tr_wine_stop EXIT
ctest --test-dir "$build/win64" --output-on-failure ${TR_CTEST_ARGS:-} || status=1
exit $status
