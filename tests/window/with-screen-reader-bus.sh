#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a window test where a screen reader could listen: on a private virtual screen, with a
# session bus of its own and the accessibility bus started on it, and Qt told that a screen
# reader is there (no screen reader runs). What the window tells it goes through the same
# calls as on a desktop with Orca.
#
# Usage: with-screen-reader-bus.sh TEST [ARGUMENTS...]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-screen.sh"
start_virtual_screen >/dev/null
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$vs_workdir"
# Qt connects to the accessibility bus only once it is there; asking for its address starts it.
exec dbus-run-session -- sh -c 'dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null && exec "$@"' sh "$@"
