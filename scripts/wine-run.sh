#!/usr/bin/env bash
# Runs a Windows program under wine64 in the build's private prefix (TR_WINEPREFIX, or <build>/../wineprefix).
set -u
exe="$1"; shift
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ -z "${TR_WINEPREFIX:-}" ]; then
    TR_WINEPREFIX="$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; cd .. && pwd)/wineprefix"
fi
tr_wine_environment "$TR_WINEPREFIX"
exec wine "$exe" "$@"
