#!/usr/bin/env bash
# A longer fuzzing session of the picture readers: each target for SECONDS (default 300) on its corpus in the
# native build tree (<build>/native, built by scripts/build.sh with TR_TREES=native).
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
native="${BUILD_ROOT:-$root/build}/native"
seconds="${1:-300}"
for format in pcx pid rid bmp; do
    echo "== fuzz_mainwindow_$format for $seconds s"
    "$native/fuzz_mainwindow_$format" -max_total_time="$seconds" -print_final_stats=1 \
        "$native/fuzz-corpus/mainwindow/$format"
done
