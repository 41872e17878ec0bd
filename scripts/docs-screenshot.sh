#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes docs/screenshot.png: the window after a short session a player might have, typed and
# clicked for real on a private virtual screen.
#
# Usage: scripts/docs-screenshot.sh BINARY [OUTPUT.png]
set -euo pipefail

binary=$1
screenshot=${2:-docs/screenshot.png}
unset DISPLAY

source "$(dirname "${BASH_SOURCE[0]}")/virtual-screen.sh"
start_virtual_screen
start_window "$binary"

# With no window manager nothing gives the window the keyboard; hand it over directly.
xdotool windowfocus --sync "$window"
sleep 0.5
# Three combinations of five: each is stored, and picked from, as its last box fills.
for combination in 0712192433 0311192840 0512243345; do
    xdotool type --delay 60 "$combination"
    sleep 0.3
done
# Widen the base set to 49 with five page steps on its slider, then fill it.
for _ in 1 2 3 4 5; do
    xdotool mousemove --window "$window" 560 260 click 1
    sleep 0.2
done
xdotool mousemove --window "$window" 420 280 click 1
# Park the pointer on a blank spot so no button is drawn hovered.
xdotool mousemove --window "$window" 630 565
sleep 1

photograph_window "$window" "$screenshot"
