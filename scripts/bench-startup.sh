#!/usr/bin/env bash
# Benchmark: time from start to the main dialog shown, beside a bare Win32 program that shows one empty
# dialog, measured in one run under wine64 on a virtual display: once as the machine is and once with
# SLEEPERS more processes running (default 40), each row with its ratio; then when each start-up step ends,
# from timed builds of both programs. RUNS sets the number of runs per figure (default 15).
set -euo pipefail
. "$(dirname "$0")/prepare.sh" win64
. "$root/scripts/wine-env.sh"
TR_OWN_DISPLAY=1 tr_wine_start "$build"
trap tr_wine_stop EXIT
bench="$build/win64/bench"
work="$bench/game"
rm -rf "$work" && cp -r "$build/win64/demo" "$work"
# The timed launcher runs under the launcher's own name, as the instance check sees it. Every program is
# measured without its debugging sections, as the release package ships the launcher: the loader would
# otherwise read megabytes of them at each start.
mkdir -p "$bench/timed" && cp "$bench/bench_launcher_steps.exe" "$bench/timed/Tumbleridge.exe"
mkdir -p "$bench/stripped"
for exe in "$work/Tumbleridge.exe" "$bench/timed/Tumbleridge.exe"; do x86_64-w64-mingw32-strip "$exe"; done
for name in bench_bare_dialog bench_bare_dialog_steps; do
    x86_64-w64-mingw32-strip -o "$bench/stripped/$name.exe" "$bench/$name.exe"
done
w() { winepath -w "$1"; }
wine "$bench/bench_startup.exe" "$(w "$work/Tumbleridge.exe")" "$(w "$bench/stripped/bench_bare_dialog.exe")" "$(w "$work")" \
    "${RUNS:-15}" "$(w "$bench/bench_sleeper.exe")" "${SLEEPERS:-40}" \
    "$(w "$bench/timed/Tumbleridge.exe")" "$(w "$bench/stripped/bench_bare_dialog_steps.exe")" "$(w "$bench/steps.txt")"
