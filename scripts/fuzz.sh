#!/usr/bin/env bash
# Longer fuzzing: every libFuzzer target of the native tree for SECONDS_EACH seconds (default 300), each
# starting from its seeds, with the corpus it grows kept in build/native/fuzz-corpus/long-<target>.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native="${BUILD_ROOT:-$root/build}/native"
"$root/scripts/setup.sh"
TR_TREES=native "$root/scripts/build.sh"
seconds="${SECONDS_EACH:-300}"
# The targets and their seed folders, as the test command runs them.
ctest --test-dir "$native" -L fuzz --show-only=json-v1 | python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    command = test["command"]
    exe = command[-1] if command[0].endswith("bash") else command[0]
    script = command[2] if command[0].endswith("bash") else ""
    seeds = ""
    if "cp -r " in script:
        seeds = script.split("cp -r ")[1].split("'"'"'")[1].rstrip("/.")
    print(exe + "\t" + seeds)
' | while IFS=$'\t' read -r exe seeds; do
    name="$(basename "$exe")"
    corpus="$native/fuzz-corpus/long-$name"
    mkdir -p "$corpus"
    if [ -n "$seeds" ] && [ -d "$seeds" ]; then cp -rn "$seeds/." "$corpus/"; fi
    echo "== $name for $seconds s"
    "$exe" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
done
