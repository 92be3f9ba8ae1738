#!/usr/bin/env bash
# Simulated drives in a Wine prefix: a folder linked as a drive letter and typed cdrom or hd. Wine's mount
# manager reads the drive table when the server starts, so every change ends with a server restart.
#
# Sourced, it gives tr_drive_set, tr_drive_remove, tr_drive_restart_server (the disc tests use them).
# Run, it inserts or ejects the stand-in game disc for the demo:
#   disc-drive.sh insert [LETTER] [DISC-FOLDER]   (default E and <build>/win64/standins/disc)
#   disc-drive.sh eject [LETTER]
# Both act on $WINEPREFIX (or $TR_WINEPREFIX), in the Wine environment of scripts/wine-env.sh.
. "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/wine-env.sh"

# Sets up the Wine environment for the prefix, which must exist.
tr_drive_prefix() {
    local prefix="${WINEPREFIX:-${TR_WINEPREFIX:-}}"
    if [ -z "$prefix" ] || [ ! -d "$prefix/dosdevices" ]; then
        echo "disc-drive: no Wine prefix (set WINEPREFIX or TR_WINEPREFIX)" >&2
        return 1
    fi
    tr_wine_environment "$prefix"
}

# The drive-table values of several letters in one registry import: "x:=cdrom" sets, "x:=" deletes.
tr_drive_table() {
    tr_drive_prefix || return 1
    local reg; reg="$(mktemp --suffix=.reg)"
    { printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n'
      local entry
      for entry in "$@"; do
          local letter="${entry%%=*}" kind="${entry#*=}"
          if [ -n "$kind" ]; then printf '"%s"="%s"\r\n' "$letter" "$kind"; else printf '"%s"=-\r\n' "$letter"; fi
      done; } >"$reg"
    wine regedit /S "Z:${reg//\//\\}" </dev/null >/dev/null 2>&1
    local status=$?
    rm -f "$reg"
    return $status
}

# tr_drive_set LETTER KIND FOLDER...: links each letter to its folder and types it (arguments in threes).
tr_drive_set() {
    tr_drive_prefix || return 1
    local entries=()
    while [ $# -ge 3 ]; do
        local letter="${1,,}" kind="$2" folder="$3"
        shift 3
        ln -sfn "$folder" "$WINEPREFIX/dosdevices/$letter:" || return 1
        entries+=("$letter:=$kind")
    done
    tr_drive_table "${entries[@]}"
}

# tr_drive_remove LETTER...: removes the links and their drive-table values.
tr_drive_remove() {
    tr_drive_prefix || return 1
    local entries=() letter
    for letter in "$@"; do
        letter="${letter,,}"
        rm -f "$WINEPREFIX/dosdevices/$letter:"
        entries+=("$letter:=")
    done
    [ ${#entries[@]} -eq 0 ] || tr_drive_table "${entries[@]}"
}

# Restarts the persistent server so the mount manager sees the drive table as it is now.
tr_drive_restart_server() {
    tr_drive_prefix || return 1
    tr_wine_restart_server
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    here="$(cd "$(dirname "$0")" && pwd)"
    action="${1:-}"
    letter="${2:-e}"
    case "$action" in
        insert)
            disc="${3:-$here/../../build/win64/standins/disc}"
            [ -f "$disc/GAME/ENGLISH/VANTOR.EXE" ] || { echo "disc-drive: no stand-in disc in $disc (build first)" >&2; exit 1; }
            tr_drive_set "$letter" cdrom "$(cd "$disc" && pwd)" && tr_drive_restart_server && echo "disc in ${letter^^}:"
            ;;
        eject)
            tr_drive_remove "$letter" && tr_drive_restart_server && echo "drive ${letter^^}: removed"
            ;;
        *)
            echo "usage: $0 insert [LETTER] [DISC-FOLDER] | eject [LETTER]" >&2
            exit 2
            ;;
    esac
fi
