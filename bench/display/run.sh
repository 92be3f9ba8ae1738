#!/usr/bin/env bash
# Runs the display catalogue benchmark under Wine: 32 stand-in plug-ins of 500 records each, ROUNDS rounds.
# Build the win64 tree first (scripts/build.sh); BUILD_ROOT as for the other scripts.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
. "$root/scripts/wine-env.sh"
tr_wine_start "$build"
trap tr_wine_stop EXIT
wine "$build/win64/bench/display_bench.exe" "${ROUNDS:-20}"
