#!/usr/bin/env bash
# Checks that the players' exe still runs on Windows XP: every function it imports is on the reviewed list
# (DLL!Function and the oldest Windows that has it, XP or older), and its PE header asks for no newer Windows.
# Usage: check-imports.sh <exe> <objdump> <reviewed list>
set -u
exe="$1"; objdump="$2"; list="$3"
failed=0; passed=0
check() { if eval "$2"; then passed=$((passed + 1)); else echo "FAILED: $1 ($exe)"; failed=$((failed + 1)); fi; }

header="$("$objdump" -p "$exe")"
# DLL!Function for every import, as objdump spells it.
imports="$(printf '%s\n' "$header" | awk '
    /^[[:space:]]*DLL Name: / { dll = $3; next }
    /^[[:space:]]*$/ { dll = "" }
    dll != "" && /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[^[:space:]]+$/ { print dll "!" $3 }' | sort -u)"
echo "$(printf '%s\n' "$imports" | grep -c .) imports of $exe"
check "imports listed" '[ -n "$imports" ]'

# Each import against the list ("DLL!Function  oldest Windows", "#" to the line's end a comment; DLL names in
# any letter case, as Windows takes them): unreviewed, or reviewed as newer than Windows XP.
verdicts="$(awk 'NR == FNR {
        sub(/#.*/, ""); if (!NF) next
        name = $1; sub(/^[[:space:]]*[^[:space:]]+[[:space:]]*/, ""); sub(/[[:space:]]+$/, "")
        split(name, p, "!"); since[toupper(p[1]) "!" p[2]] = $0; next
    }
    { split($0, p, "!"); key = toupper(p[1]) "!" p[2] }
    !(key in since) { print "UNREVIEWED IMPORT: " $0; next }
    since[key] !~ /^Windows (95|98|Me|NT|2000|XP)( |$)/ { print "NEWER THAN WINDOWS XP: " $0 " (" since[key] ")" }' \
    "$list" <(printf '%s\n' "$imports"))"
[ -z "$verdicts" ] || printf '%s\n' "$verdicts"
if printf '%s\n' "$verdicts" | grep -q '^UNREVIEWED'; then
    cat <<EOF
To review an import, look it up in the Windows SDK documentation. When its "Minimum supported client" is
Windows XP or older (for msvcrt.dll: when Windows XP's own msvcrt.dll exports it), add a line
"DLL!Function  Windows <version>" to $list.
Otherwise do not import it: load it on first use with GetProcAddress and a fallback (launcher/SystemLibraries).
EOF
fi
check "every import reviewed" '! printf "%s\n" "$verdicts" | grep -q "^UNREVIEWED"'
check "no import newer than Windows XP" '! printf "%s\n" "$verdicts" | grep -q "^NEWER"'

# Windows XP (5.1) refuses an exe whose header asks for a newer system or subsystem.
field() { printf '%s\n' "$header" | awk -v f="$1" '$1 == f { print $2 }'; }
at_most_xp() { [ -n "$1" ] && [ -n "$2" ] && { [ "$1" -lt 5 ] || { [ "$1" -eq 5 ] && [ "$2" -le 1 ]; }; }; }
for kind in OSystem Subsystem; do
    major="$(field Major${kind}Version)"; minor="$(field Minor${kind}Version)"
    check "$kind version $major.$minor at most 5.1" 'at_most_xp "$major" "$minor"'
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
