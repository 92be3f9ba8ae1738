#!/usr/bin/env bash
# Longer fuzzing: every libFuzzer target of the native tree for SECONDS_EACH seconds (default 300), each
# starting from its seeds, with the corpus it grows kept in build/native/fuzz-corpus/long-<target>.
# Every target keeps its seeds in tests/<area>/fuzz-seeds/<target>/, so those folders name the targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native="${BUILD_ROOT:-$root/build}/native"
"$root/scripts/setup.sh"
TR_TREES=native "$root/scripts/build.sh"
seconds="${SECONDS_EACH:-300}"
for seeds in "$root"/tests/*/fuzz-seeds/*/; do
    name="$(basename "$seeds")"
    exe="$native/$name"
    [ -x "$exe" ] || { echo "fuzz: no target $name in $native for the seeds in $seeds" >&2; exit 1; }
    corpus="$native/fuzz-corpus/long-$name"
    mkdir -p "$corpus"
    cp -rn "$seeds/." "$corpus/"
    echo "== $name for $seconds s"
    "$exe" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
done
