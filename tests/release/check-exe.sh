#!/usr/bin/env bash
# Checks a built Tumbleridge.exe: it imports only Windows system libraries (so it was linked statically),
# carries the application manifest with themed controls and no requested execution level, and carries the
# version texts. Usage: check-exe.sh <exe> <objdump>
set -u
exe="$1"; objdump="$2"
failed=0; passed=0
check() { if eval "$2"; then passed=$((passed + 1)); else echo "FAILED: $1 ($exe)"; failed=$((failed + 1)); fi; }

system='^(ADVAPI32|COMCTL32|COMDLG32|GDI32|KERNEL32|msvcrt|OLE32|SHELL32|SHLWAPI|USER32|VERSION|WINMM)\.dll$'
imports="$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')"
echo "imports of $exe:" $imports
check "imports present" '[ -n "$imports" ]'
check "only system DLLs" '! printf "%s\n" "$imports" | grep -viE "$system"'
check "no MinGW runtime DLLs" '! printf "%s\n" "$imports" | grep -iE "libgcc|libstdc|libwinpthread"'
# The common controls, the multimedia library and the shell are loaded when first used, off the start-up path.
check "no library that is loaded on first use" '! printf "%s\n" "$imports" | grep -iE "^(COMCTL32|WINMM|SHELL32)\.dll$"'

check "manifest asks for common controls 6" 'strings -n 8 "$exe" | grep -q "Microsoft.Windows.Common-Controls"'
check "manifest is DPI aware" 'strings -n 8 "$exe" | grep -q "<dpiAware"'
check "manifest requests no execution level" '! strings -n 8 "$exe" | grep -qi "requestedExecutionLevel"'
texts="$(strings -el "$exe")"
for text in Harrowmark Tumbleridge "Tumbleridge Launcher" Tumbleridge.exe CompanyName ProductName FileDescription OriginalFilename; do
    check "version text $text" 'printf "%s\n" "$texts" | grep -qx "$text"'
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
