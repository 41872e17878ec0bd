#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A private desktop for Windows programs under Wine: its own Xvfb and its own Wine prefix, made
# once, in which a window program shows its frame and a second program can drive it.
#
# Usage: tests/windows/wine-session.sh PREFIX run [--dpi N] COMMAND [ARGUMENT...]
#            Starts a private Xvfb, readies PREFIX, runs COMMAND with DISPLAY, WINEPREFIX and
#            WINE set (COMMAND may be "$WINE" itself, or a script calling "$WINE" more than
#            once), then stops every Wine program of the prefix and the Xvfb. Exits with
#            COMMAND's status. --dpi sets the prefix's LogPixels for this run (default 96).
#            A COMMAND ending in .exe is run with "$WINE", its CR LF line ends given back as LF.
#        tests/windows/wine-session.sh PREFIX prepare
#            Only makes PREFIX ready (wineboot, settings, fonts); safe to run concurrently.
#
# PREFIX is made on first use: wineboot without Mono or Gecko; HKCU\Software\Wine\X11 Driver
# Managed=N, so that Wine draws the frames itself with no window manager; Wine's own fonts
# copied into windows/Fonts (Tahoma is the stand-in for the Windows UI fonts). The prefix's
# wineserver is stopped with `wineserver -k` at the end: `wineserver -w` would wait for
# programs that never end. Console output of Wine programs ends lines with CR LF.
set -euo pipefail

prefix=$(realpath -m "$1")
action=${2:-}
shift 2 || true

export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[[ -x $WINE ]] || WINE=$(command -v wine64)
export WINE
wineserver=$(dirname "$WINE")/wineserver

prepare() {
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [[ ! -f $prefix/system.reg ]]; then
            DISPLAY= "$WINE" wineboot --init >"$prefix.log" 2>&1
            "$wineserver" -w
        fi
        if [[ ! -f $prefix/.drawlet-desktop ]]; then
            DISPLAY= "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                >>"$prefix.log" 2>&1
            cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
            "$wineserver" -w
            touch "$prefix/.drawlet-desktop"
        fi
    ) 9>"$prefix.lock"
}

set_dpi() {
    DISPLAY= "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >>"$prefix.log" 2>&1
}

case $action in
prepare)
    prepare
    ;;
run)
    dpi=96
    if [[ ${1:-} == --dpi ]]; then
        dpi=$2
        shift 2
    fi
    [[ $# -gt 0 ]] || { echo "wine-session.sh: no command" >&2; exit 2; }
    prepare
    # One session per prefix at a time: the LogPixels setting and the wineserver are shared.
    exec 8>"$prefix.session.lock"
    flock 8
    "$wineserver" -k 2>/dev/null || true
    set_dpi "$dpi"
    "$wineserver" -w
    xvfb_log=$prefix.xvfb.log
    Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp -noreset 7>"$prefix.display" \
        >"$xvfb_log" 2>&1 &
    xvfb=$!
    stop() {
        "$wineserver" -k 2>/dev/null || true
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    }
    trap stop EXIT
    for _ in $(seq 100); do
        [[ -s $prefix.display ]] && break
        sleep 0.1
    done
    [[ -s $prefix.display ]] || { echo "wine-session.sh: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n1 "$prefix.display")
    status=0
    if [[ $1 == *.exe ]]; then
        "$WINE" "$@" | tr -d '\r' || true
        status=${PIPESTATUS[0]}
    else
        "$@" || status=$?
    fi
    exit "$status"
    ;;
*)
    sed -n '/^# Usage/,/^# PREFIX is/p' "$0" | sed 's/^# \{0,1\}//' | head -n -1 >&2
    exit 2
    ;;
esac
