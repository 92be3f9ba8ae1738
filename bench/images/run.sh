#!/usr/bin/env bash
# Builds the decoder benchmark in an optimised tree without sanitizers (<build>/bench-native) and runs it:
# 4096 by 4096 PCX (two kinds), PID and RID pictures, our MB/s beside memcpy and beside Pillow's PCX decoder,
# and the ratios the decoders are held to.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_ROOT:-$root/build}/bench-native"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
          -DCMAKE_BUILD_TYPE=Release -DTR_SANITIZE=OFF -DTR_FUZZ=OFF >/dev/null
fi
cmake --build "$build" --target imagebench -j "${JOBS:-$(nproc)}" >/dev/null
mkdir -p "$build/images"
# Debian's python3-pil is installed for the system interpreter, which another python3 on PATH may hide.
[ -x /usr/bin/python3 ] && export TR_PYTHON="${TR_PYTHON:-/usr/bin/python3}"
"$build/imagebench" "$build/images" "${1:-4096}"
