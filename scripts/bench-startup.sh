#!/usr/bin/env bash
# Benchmark: time from start to the main dialog shown, beside the launcher's own window shown by a program
# that does nothing else and beside a bare Win32 program that shows one empty dialog, measured in one run
# under wine64 on a virtual display: first when each start-up step ends, from timed builds of the three;
# then once as the machine is and once with SLEEPERS more processes running (default 40), each row with the
# launcher's two ratios. RUNS sets the number of runs of each program per figure (default 41).
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
for name in bench_bare_dialog bench_bare_dialog_steps bench_same_window bench_same_window_steps; do
    x86_64-w64-mingw32-strip -o "$bench/stripped/$name.exe" "$bench/$name.exe"
done
w() { winepath -w "$1"; }
s="$bench/stripped"
wine "$bench/bench_startup.exe" "$(w "$work/Tumbleridge.exe")" "$(w "$s/bench_same_window.exe")" \
    "$(w "$s/bench_bare_dialog.exe")" "$(w "$work")" "${RUNS:-41}" "$(w "$bench/bench_sleeper.exe")" "${SLEEPERS:-40}" \
    "$(w "$bench/timed/Tumbleridge.exe")" "$(w "$s/bench_same_window_steps.exe")" \
    "$(w "$s/bench_bare_dialog_steps.exe")" "$(w "$bench/steps.txt")"
