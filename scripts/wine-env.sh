# Sourced by the scripts: every Wine set-up of the project. A private Wine prefix with a persistent server,
# and a virtual display when none is given. tr_wine_start sets WINEPREFIX, TR_WINEPREFIX and DISPLAY;
# tr_wine_stop undoes what it started.

# The environment each Wine program of ours runs in: the prefix, Wine's own chatter off, and no offer to
# install Mono or Gecko.
tr_wine_environment() {
    export WINEPREFIX="$1" TR_WINEPREFIX="$1"
    export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
}

# The first program of a new server brings up Wine's own services, which then live as long as the server
# and keep that program's output open. A silent first program keeps them off the caller's output: started
# by a test, they would hold the test runner's output pipe open and the test would never end.
tr_wine_quiet_start() {
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Restarts the persistent server, for instance so that the mount manager reads a changed drive table.
tr_wine_restart_server() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1
    tr_wine_quiet_start
}

# Wine draws the caption buttons (close, minimise) and scroll-bar arrows as glyphs of its Marlett font.
# Debian's Wine does not look in /usr/share/wine/fonts, where fonts-wine puts that font, so another font
# drew the glyph's letter instead ("r" for close). A copy in the prefix's own Fonts folder is found.
tr_wine_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" font=/usr/share/wine/fonts/marlett.ttf
    [ -f "$fonts/marlett.ttf" ] && return 0
    [ -f "$font" ] || { echo "wine-env: $font is missing (scripts/setup.sh installs fonts-wine)" >&2; return 1; }
    mkdir -p "$fonts" && cp "$font" "$fonts/marlett.ttf"
}

# tr_wine_start BUILD [NAME]: the prefix is BUILD/NAME (default wineprefix; the 32-bit lane has its own).
tr_wine_start() {
    local build="$1"
    tr_wine_environment "$build/${2:-wineprefix}"
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
    tr_wine_fonts || true
    wineserver -p 2>/dev/null || true   # already running: keep it
    # The server's first program (see tr_wine_quiet_start) makes windows unmanaged by an X window manager
    # (there is none on Xvfb): Wine draws their frames itself and does not wait for a manager's answer each
    # time a dialog closes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

tr_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${TR_XVFB_PID:-}" ]; then kill "$TR_XVFB_PID" 2>/dev/null || true; fi
}
