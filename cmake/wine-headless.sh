#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows console program under Wine, without a display and without dialogs.
#
# Usage: cmake/wine-headless.sh WINE_PREFIX PROGRAM.exe [ARGUMENT...]
#        cmake/wine-headless.sh WINE_PREFIX          (only makes the prefix)
#        cmake/wine-headless.sh WINE_PREFIX --begin  (starts the prefix's wineserver)
#        cmake/wine-headless.sh WINE_PREFIX --end    (stops it)
#
# The prefix is made on the first run (wineboot, some seconds), once even when several programs
# start together; Wine's offer to install Mono and Gecko is turned down, console programs need
# neither. The program's line ends are given back as Unix ones, so that CTest and GoogleTest's
# test discovery read its output as they read a Linux program's.
#
# All programs run on one wineserver per prefix, started here and kept between programs. Left
# to Wine, the first program starts the server and Debian's wineserver wrapper makes it quit
# (-p0) the moment no program runs: at -j2 that happens between two tests dozens of times a
# run, and a test that starts while the server winds down is killed before it prints a line, or
# waits seconds for the next server. The program that starts a server also boots its services
# (wineboot), which keep that program's stdout and stderr open for as long as the server lives.
# So the server is started here with its output, and that of the boot, in WINE_PREFIX.log.
set -euo pipefail

export WINEPREFIX=$1
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

wine=/usr/lib/wine/wine64
[[ -x $wine ]] || wine=$(command -v wine64)

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    (
        flock 9
        if [[ ! -f $WINEPREFIX/system.reg ]]; then
            "$wine" wineboot --init >"$WINEPREFIX.log" 2>&1
            "$(dirname "$wine")/wineserver" --wait
        fi
    ) 9>"$WINEPREFIX.lock"
fi

server=$(dirname "$wine")/wineserver64
[[ -x $server ]] || server=$(command -v wineserver)

if [[ ${1-} == --end ]]; then
    # Waits until the server and the services are gone, so the next run starts afresh.
    "$server" -k 2>/dev/null || true
    exit 0
fi

if [[ $# -gt 0 ]]; then
    # CTest starts the server before the test discovery, which must not pay for the boot
    # within its timeout, and ends it after the tests; the persistence only bounds how long
    # it outlives runs that stop before that, such as the discovery alone (ctest -N).
    (
        flock 9
        # Exits with 2 at once when the prefix has its server already.
        if "$server" --persistent=60 </dev/null >>"$WINEPREFIX.log" 2>&1 9>&-; then
            "$wine" cmd.exe /c exit </dev/null >>"$WINEPREFIX.log" 2>&1 9>&-
        fi
    ) 9>"$WINEPREFIX.lock"
    [[ $1 == --begin ]] || "$wine" "$@" | tr -d '\r'
fi
