# Sourced by the scripts: a private Wine prefix with a persistent server, and a virtual display when none
# is given. Sets WINEPREFIX, TR_WINEPREFIX, DISPLAY; tr_wine_stop undoes what it started.
# tr_wine_start BUILD [NAME]: the prefix is BUILD/NAME (default wineprefix; the 32-bit lane uses its own).
tr_wine_start() {
    local build="$1"
    export WINEPREFIX="$build/${2:-wineprefix}" TR_WINEPREFIX="$build/${2:-wineprefix}"
    export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -z "${DISPLAY:-}" ] || [ "${TR_OWN_DISPLAY:-0}" = 1 ]; then
        local fd_file; fd_file="$(mktemp)"
        Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$fd_file" 2>/dev/null &
        TR_XVFB_PID=$!
        for _ in $(seq 1 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
        export DISPLAY=":$(head -n1 "$fd_file")"
        rm -f "$fd_file"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        # No crash dialog for a failing test program.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
        wineserver -w
    fi
    wineserver -p 2>/dev/null || true   # already running: keep it
    # The first program brings up Wine's own services, which then live as long as the server. Start them
    # here with their output going nowhere: started by a test, they would hold the test runner's output
    # pipe open and the test would never end. That first program makes windows unmanaged by an X window
    # manager (there is none on Xvfb): Wine draws their frames itself and does not wait for a manager's
    # answer each time a dialog closes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

tr_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${TR_XVFB_PID:-}" ]; then kill "$TR_XVFB_PID" 2>/dev/null || true; fi
}
