#!/usr/bin/env bash
# Configures and builds the trees: build/win64 (tested under Wine), build/win32 (the players' build),
# build/native (portable code with sanitizers) and build/native32 (the same as 32-bit code, run under
# qemu-i386-static). BUILD_ROOT moves them elsewhere.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
jobs="${JOBS:-$(nproc)}"
trees="${TR_TREES:-win64 win32 native native32}"
for tree in $trees; do
    case "$tree" in
        win64) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
        win32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
        native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTR_FUZZ=ON) ;;
        native32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/native-i386.cmake") ;;
    esac
    # Configured afresh when the arguments differ from those of the last configuration (kept in a stamp).
    configure=(-G Ninja "${args[@]}" ${TR_CMAKE_ARGS:-})
    stamp="$build/$tree/tr-configure-arguments"
    if [ ! -f "$build/$tree/CMakeCache.txt" ] || [ "$(cat "$stamp" 2>/dev/null)" != "${configure[*]}" ]; then
        fresh=(); [ -f "$build/$tree/CMakeCache.txt" ] && fresh=(--fresh)
        cmake "${fresh[@]}" -S "$root" -B "$build/$tree" "${configure[@]}" >/dev/null
        printf '%s' "${configure[*]}" >"$stamp"
    fi
    cmake --build "$build/$tree" -j "$jobs"
done
