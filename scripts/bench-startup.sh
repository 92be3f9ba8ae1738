#!/usr/bin/env bash
# Benchmark: time from start to the main dialog shown, beside a bare Win32 program that shows one empty
# dialog, measured in one run under wine64 on a virtual display. RUNS sets the number of runs (default 9).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
"$root/scripts/setup.sh"
TR_TREES=win64 "$root/scripts/build.sh"
. "$root/scripts/wine-env.sh"
TR_OWN_DISPLAY=1 tr_wine_start "$build"
trap tr_wine_stop EXIT
work="$build/win64/bench/game"
rm -rf "$work" && cp -r "$build/win64/demo" "$work"
wine "$build/win64/bench/bench_startup.exe" "$(winepath -w "$work/Tumbleridge.exe")" \
    "$(winepath -w "$build/win64/bench/bench_bare_dialog.exe")" "$(winepath -w "$work")" "${RUNS:-9}"
