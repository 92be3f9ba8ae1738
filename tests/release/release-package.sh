#!/usr/bin/env bash
# Runs the release command into a scratch build root and checks the package: exactly Tumbleridge.exe and
# README.txt, a 32-bit exe that passes check-exe.sh and check-imports.sh, and a README that says what the
# launcher needs. Usage: release-package.sh <scratch build root>
set -u
root="$(cd "$(dirname "$0")/../.." && pwd)"
scratch="$1"
mkdir -p "$scratch"
failed=0; passed=0
check() { if eval "$2"; then passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi; }

version="$(sed -n 's/^project(Tumbleridge VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
zip="$root/dist/tumbleridge-launcher-$version-win32.zip"
rm -f "$zip"
BUILD_ROOT="$scratch" "$root/scripts/release.sh" >"$scratch/release.log" 2>&1
check "release command succeeds" '[ $? -eq 0 ] || [ -f "$zip" ]'
check "zip named after the project version" '[ -f "$zip" ]'
names="$(unzip -Z1 "$zip" 2>/dev/null | sort | tr "\n" " ")"
check "exactly the exe and the README" '[ "$names" = "README.txt Tumbleridge.exe " ]'
unpacked="$scratch/unpacked"; rm -rf "$unpacked"; mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
check "32-bit exe" 'i686-w64-mingw32-objdump -f "$unpacked/Tumbleridge.exe" | grep -q "pei-i386"'
check "exe checks" '"$root/tests/release/check-exe.sh" "$unpacked/Tumbleridge.exe" i686-w64-mingw32-objdump >/dev/null'
check "imports reviewed" '"$root/tests/release/check-imports.sh" "$unpacked/Tumbleridge.exe" i686-w64-mingw32-objdump \
    "$root/tests/release/imports-reviewed.txt" >/dev/null'
check "README says what the launcher needs" 'grep -q "Windows XP" "$unpacked/README.txt" && grep -q "Wine" "$unpacked/README.txt"'
check "README says where it goes" 'grep -q "STRATHEX.EXE" "$unpacked/README.txt"'
check "README names the registry key" 'grep -q "Harrowmark\\\\Tumbleridge\\\\1.0" "$unpacked/README.txt"'
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
