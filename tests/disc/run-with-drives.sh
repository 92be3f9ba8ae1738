#!/usr/bin/env bash
# Runs the disc test program one case at a time, each in a fresh process, with the simulated drives that
# its layout names. A program inside Wine cannot restart the server, which a changed drive table needs, so
# this script mounts the drives, restarts the server, runs the cases, and removes every drive it made when
# it ends, whatever the outcome.
#
# usage: run-with-drives.sh TEST-EXE LAYOUTS DISC-FOLDER WORK-FOLDER [TEST-SOURCE...]
#   LAYOUTS      lines "[d=cdrom:disc g=cdrom:empty f=hd:disc]" (or "[]") followed by the cases to run
#                with them; "disc" is a fresh copy of DISC-FOLDER for every case, "empty" an empty folder
#   TEST-SOURCE  the program's sources: every TEST_CASE in them must be listed in LAYOUTS
# Each case sees TR_DRIVE_<LETTER> (the Windows path of the folder behind that drive, to change the disc
# while the case runs) and TR_STANDIN_DISC (the Windows path of DISC-FOLDER).
set -u
exe="$1"; layouts="$2"; disc="$3"; work="$4"; shift 4
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../standins/disc/disc-drive.sh"

tr_wine_environment "${TR_WINEPREFIX:-${WINEPREFIX:-}}"
[ -n "$WINEPREFIX" ] && [ -d "$WINEPREFIX/dosdevices" ] || { echo "no Wine prefix: source scripts/wine-env.sh and tr_wine_start first"; exit 1; }
[ -f "$disc/GAME/ENGLISH/VANTOR.EXE" ] || { echo "no stand-in disc in $disc"; exit 1; }
case_timeout="${TR_DISC_CASE_TIMEOUT:-60}"

windows_path() { local p="$1"; printf 'Z:%s' "${p//\//\\}"; }

drives="$work/drives"
mkdir -p "$drives"
drives="$(cd "$drives" && pwd)"

# Drives left by a run that was killed before it could clean up: links into our drive folder.
stale=()
for link in "$WINEPREFIX"/dosdevices/?:; do
    [ -L "$link" ] || continue
    case "$(readlink "$link")" in "$drives"/*) stale+=("$(basename "$link" :)") ;; esac
done
mounted=("${stale[@]}")

# Should this be the server's first program, Wine's services start here, off the test runner's output.
tr_wine_quiet_start

cleanup() {
    if [ ${#mounted[@]} -gt 0 ]; then
        tr_drive_remove "${mounted[@]}"
        tr_drive_restart_server
    fi
    rm -rf "$drives"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Every case of the sources has a layout, and every listed case exists.
listed="$(grep -v '^\s*\(#\|\[\|$\)' "$layouts" | tr -d ' \r')"
status=0
for source in "$@"; do
    for name in $(grep -o 'TEST_CASE([A-Za-z0-9_]*)' "$source" | sed 's/TEST_CASE(\(.*\))/\1/'); do
        grep -qx "$name" <<<"$listed" || { echo "$name has no drive layout in $layouts"; status=1; }
    done
done
if [ $# -gt 0 ]; then
    for name in $listed; do
        cat "$@" | grep -q "TEST_CASE($name)" || { echo "$name is listed in $layouts but is no test case"; status=1; }
    done
fi
[ $status -eq 0 ] || exit 1

layout=""
passed=0
failed=0
failures=()

mount_layout() {
    local changed=0
    if [ ${#mounted[@]} -gt 0 ]; then
        tr_drive_remove "${mounted[@]}"
        changed=1
    fi
    mounted=()
    local set_args=() entry letter kind
    for entry in $layout; do
        letter="${entry%%=*}"; kind="${entry#*=}"; kind="${kind%%:*}"
        if [ -e "$WINEPREFIX/dosdevices/$letter:" ] || [ -L "$WINEPREFIX/dosdevices/$letter:" ]; then
            echo "drive $letter: is already in use in $WINEPREFIX"
            return 1
        fi
        mkdir -p "$drives/$letter"
        mounted+=("$letter")
        set_args+=("$letter" "$kind" "$drives/$letter")
    done
    if [ ${#set_args[@]} -gt 0 ]; then
        tr_drive_set "${set_args[@]}" || return 1
        changed=1
    fi
    if [ $changed -eq 1 ]; then tr_drive_restart_server; fi
}

fill_drives() {
    local entry letter content
    for entry in $layout; do
        letter="${entry%%=*}"; content="${entry##*:}"
        rm -rf "${drives:?}/$letter"
        mkdir -p "$drives/$letter"
        [ "$content" = disc ] && cp -r "$disc/." "$drives/$letter/"
        export "TR_DRIVE_${letter^^}=$(windows_path "$drives/$letter")"
    done
}

export TR_STANDIN_DISC="$(windows_path "$(cd "$disc" && pwd)")"
while IFS= read -r line || [ -n "$line" ]; do
    line="$(tr -d '\r' <<<"$line")"
    case "$line" in
        ''|'#'*) continue ;;
        '['*)
            layout="$(sed 's/^\[\(.*\)\]$/\1/' <<<"$line")"
            echo "== drives: ${layout:-none}"
            mount_layout || exit 1
            continue ;;
    esac
    name="$(tr -d ' ' <<<"$line")"
    fill_drives
    timeout -k 5 "$case_timeout" wine "$exe" "$name" </dev/null
    code=$?
    if [ $code -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); failures+=("$name ($code)"); fi
done <"$layouts"

echo "disc cases: $passed passed, $failed failed${failures:+: ${failures[*]}}"
[ $failed -eq 0 ]
