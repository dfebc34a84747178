# Sourced by the tools: Wine prefix, virtual display and wineserver of this
# project. Everything lives under build/ and is touched for this prefix only.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Starts Xvfb on a free display and exports DISPLAY; sets XVFB_PID.
start_virtual_display() {
    local fdfile
    fdfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -br -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s "$fdfile" ]] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
}

stop_virtual_display() {
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# Creates the prefix once; concurrent callers wait for the first.
ensure_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/.veyrath-ready-3" ]]; then
            "$WINE" wineboot -u >/dev/null 2>&1 || true
            # No window manager runs on the virtual display: windows left
            # unmanaged hide at once instead of waiting for one to answer.
            "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            # The dialog fonts fall back to a Chinese font for the texts
            # they cannot draw themselves.
            local face
            for face in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg"; do
                "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                    /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
            done
            "$WINESERVER" -w
            touch "$WINEPREFIX/.veyrath-ready-3"
        fi
    ) 9>"$WINEPREFIX.lock"
}

start_wineserver() { "$WINESERVER" -p >/dev/null 2>&1; }
stop_wineserver() { "$WINESERVER" -k 2>/dev/null || true; }
