#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows console program under Wine, without a display and without dialogs.
#
# Usage: cmake/wine-headless.sh WINE_PREFIX PROGRAM.exe [ARGUMENT...]
#        cmake/wine-headless.sh WINE_PREFIX          (only makes the prefix)
#
# The prefix is made on the first run (wineboot, some seconds), once even when several programs
# start together; Wine's offer to install Mono and Gecko is turned down, console programs need
# neither. The program's line ends are given back as Unix ones, so that CTest and GoogleTest's
# test discovery read its output as they read a Linux program's.
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

if [[ $# -gt 0 ]]; then
    "$wine" "$@" | tr -d '\r'
fi
