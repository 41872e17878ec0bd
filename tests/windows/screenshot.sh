#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program's window as it opens, cut from the private screen (run it inside
# wine-session.sh).
#
# Usage: tests/windows/screenshot.sh PROGRAM.exe OUTPUT.png
set -euo pipefail

"$WINE" "$1" &
for _ in $(seq 50); do
    sleep 0.2
    # The window is drawn once the screen shows more than its black background.
    if [[ $(import -window root -format '%k' info: 2>/dev/null || echo 1) -gt 8 ]]; then
        break
    fi
done
sleep 0.5
import -window root -crop 640x600+0+0 +repage "$2"
