#!/usr/bin/env bash
# The release command: builds the 32-bit launcher in release mode and writes
# dist/tumbleridge-launcher-VERSION-win32.zip with Tumbleridge.exe and the players' README.txt.
# VERSION is the CMake project version.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}/release-win32"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target Tumbleridge -j "${JOBS:-$(nproc)}"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || { echo "release: no project version in $build/CMakeCache.txt"; exit 1; }

stage="$build/package"
rm -rf "$stage" && mkdir -p "$stage" "$root/dist"
cp "$build/Tumbleridge.exe" "$stage/Tumbleridge.exe"
sed 's/$/\r/' "$root/docs/README-players.txt" > "$stage/README.txt"
zip="$root/dist/tumbleridge-launcher-$version-win32.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" Tumbleridge.exe README.txt)
echo "release: $zip"
unzip -l "$zip"
