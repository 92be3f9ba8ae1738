#!/usr/bin/env bash
# Checks that the 32-bit exe runs on any i686 processor: no function uses MMX, SSE or later instructions except
# the SSE2 scan of the run-length loops, which runs only where the processor has SSE2. Reads the functions'
# names from the exe's symbols (a build that is not stripped). Usage: check-i686.sh <exe> <objdump>
set -u
exe="$1"; objdump="$2"
# The exception tables, which the linker puts among the code, are data, and their bytes read as any instruction.
# tzcnt is left out: compilers write "rep bsf", which objdump shows as tzcnt and older processors run as bsf.
beyond='%x?mm[0-9]|%ymm|^(prefetch|sfence|lfence|mfence|[ls]dmxcsr|fxsave|fxrstor|movnti|clflush|fisttp|popcnt|lzcnt|crc32|movbe)'
functions="$("$objdump" -d -C --no-show-raw-insn "$exe" | awk -F '\t' -v beyond="$beyond" '
    /^[0-9a-f]+ <.*>:$/ { name = substr($0, index($0, "<") + 1); sub(/>:$/, "", name); next }
    name == ".gcc_except_table" { next }
    NF >= 2 && $2 ~ beyond && !(name in seen) { seen[name] = 1; print name }')"
allowed='Sse2|VectorBlocks'
others="$(printf '%s\n' "$functions" | grep -vE "$allowed" | grep .)"
if [ -n "$others" ]; then
    printf '%s\n' "$others" | sed 's/^/FAILED: beyond i686 outside the SSE2 scan: /'
    exit 1
fi
# The scan itself must be seen, or the names are missing and the check proves nothing.
if ! printf '%s\n' "$functions" | grep -qE "$allowed"; then
    echo "FAILED: no SSE2 scan found in $exe (stripped, or the scan is no longer SSE2?)"
    exit 1
fi
echo "only the SSE2 scan goes beyond i686 in $exe:"
printf '%s\n' "$functions" | sed 's/^/  /'
