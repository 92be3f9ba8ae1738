#!/usr/bin/env bash
# The demo command: installs what is needed, builds the 64-bit launcher with its stand-ins, assembles the
# demo game folder (build/win64/demo) and runs the launcher there under Wine.
# With a display (DISPLAY set and reachable) the real window appears and the stand-in engine shows its own
# window when you press Launch. Without one, the launcher runs on a virtual display with -GOGAME and the
# script prints what the stand-in engine received. The stand-in game disc is in drive E: meanwhile.
# --i686 (or TR_DEMO_I686=1) runs the players' 32-bit build (build/win32/demo) instead, under emulated
# 32-bit Wine (scripts/i686-wine.sh). Extra arguments go to the launcher.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
tree=win64
prefix=wineprefix
if [ "${1:-}" = --i686 ]; then
    shift
    export TR_DEMO_I686=1
fi
if [ "${TR_DEMO_I686:-0}" = 1 ]; then
    tree=win32
    prefix=wineprefix32
fi
if [ "${TR_I686_LANE:-}" != 1 ]; then
    "$root/scripts/setup.sh"
    TR_TREES=$tree "$root/scripts/build.sh"
    if [ $tree = win32 ]; then
        echo "The players' build under emulated 32-bit Wine (a program takes a few seconds to start)"
        exec "$root/scripts/i686-wine.sh" shell "$build" bash "$0" "$@"
    fi
fi
demo="$build/$tree/demo"
echo "Demo game folder: $demo"
ls "$demo"

. "$root/scripts/wine-env.sh"
# The stand-in game disc goes into drive E: for the run, so Set-up and Previews find it.
demo_start_disc() {
    trap '"$root/standins/disc/disc-drive.sh" eject e >/dev/null 2>&1; tr_wine_stop' EXIT
    "$root/standins/disc/disc-drive.sh" insert e "$build/$tree/standins/disc" >/dev/null || true
}
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    tr_wine_start "$build" $prefix
    demo_start_disc
    cd "$demo"
    rm -f engine-started.txt
    set +e
    TUMBLERIDGE_ENGINE_WINDOW=1 wine Tumbleridge.exe "$@"
    code=$?
    set -e
    echo "Tumbleridge.exe ended with exit code $code"
    sleep 1
    [ -f engine-started.txt ] && { echo "The stand-in engine received:"; cat engine-started.txt; }
    wineserver -w
else
    unset DISPLAY
    tr_wine_start "$build" $prefix
    demo_start_disc
    cd "$demo"
    rm -f engine-started.txt
    echo "No display here: running 'Tumbleridge.exe -GOGAME $*' on a virtual display ($DISPLAY)"
    set +e
    wine Tumbleridge.exe -GOGAME "$@"
    code=$?
    set -e
    echo "Tumbleridge.exe ended with exit code $code"
    # An emulated program takes seconds to start.
    steps=50; [ $tree = win32 ] && steps=300
    for _ in $(seq 1 $steps); do [ -s engine-started.txt ] && break; sleep 0.2; done
    if [ -s engine-started.txt ]; then
        echo "The stand-in engine received:"
        tr -d '\r' < engine-started.txt
    else
        echo "The engine was not started."
        exit 1
    fi
fi
