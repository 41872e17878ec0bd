#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Opens the selector window.
#
# Usage: scripts/run-window.sh BINARY SCREENSHOT.png
#
# With a display ($DISPLAY set) the window simply opens there and this waits until it is closed.
# Without one the window is shown on a private virtual screen, photographed once it is mapped,
# and both the screen and the program are stopped again: the path of the picture is printed.
set -euo pipefail

binary=$1
screenshot=$2

if [[ -n "${DISPLAY:-}" ]]; then
    exec "$binary"
fi

source "$(dirname "${BASH_SOURCE[0]}")/virtual-screen.sh"
start_virtual_screen
start_window "$binary"
# The window is mapped before its first frame is painted; give the toolkit a moment to draw.
sleep 1
photograph_window "$window" "$screenshot"
