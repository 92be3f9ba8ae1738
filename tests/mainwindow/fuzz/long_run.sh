#!/usr/bin/env bash
# A longer fuzzing session of the picture readers: each target for SECONDS (default 300), starting from its
# seeds, with the corpus it grows kept in <build>/native/fuzz-corpus/long-FORMAT between sessions.
# Needs the native tree (scripts/build.sh with TR_TREES=native).
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
native="${BUILD_ROOT:-$root/build}/native"
seconds="${1:-300}"
for format in pcx pid rid bmp; do
    corpus="$native/fuzz-corpus/long-$format"
    mkdir -p "$corpus"
    cp -rn "$root/tests/mainwindow/fuzz/corpus/$format/." "$corpus/"
    echo "== fuzz_mainwindow_$format for $seconds s"
    "$native/fuzz_mainwindow_$format" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
done
