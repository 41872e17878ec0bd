# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts that show the window on a private virtual screen. Source it; it sets
# DISPLAY and stops the screen and the program again when the calling script exits.

window_title="Drawlet Exclusion / Inclusion Selector"
map_timeout=${MAP_TIMEOUT:-30}

vs_workdir=$(mktemp -d)
vs_xvfb_pid=""
vs_app_pid=""
vs_cleanup() {
    if [[ -n "$vs_app_pid" ]]; then
        kill "$vs_app_pid" 2>/dev/null || true
        wait "$vs_app_pid" 2>/dev/null || true
    fi
    if [[ -n "$vs_xvfb_pid" ]]; then
        kill "$vs_xvfb_pid" 2>/dev/null || true
        wait "$vs_xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$vs_workdir"
}
trap vs_cleanup EXIT

# -displayfd makes the server pick a free display number itself and write it to us once it
# accepts connections, so no other virtual screen on this machine is ever disturbed. -fbdir
# keeps the screen's pixels in a file there, which is all a screenshot needs.
start_virtual_screen() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -fbdir "$vs_workdir" \
        3>"$vs_workdir/display" \
        >"$vs_workdir/xvfb.log" 2>&1 &
    vs_xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s "$vs_workdir/display" ]] && break
        kill -0 "$vs_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -s "$vs_workdir/display" ]]; then
        echo "error: the virtual screen did not start:" >&2
        cat "$vs_workdir/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=":$(tr -d '[:space:]' <"$vs_workdir/display")"
    echo "Virtual screen on $DISPLAY"
}

# Starts the program and sets `window` to the id of its window once the window is mapped. Not
# meant for $(...): the program's process id has to stay in this shell for the clean-up.
start_window() {
    "$1" >"$vs_workdir/app.log" 2>&1 &
    vs_app_pid=$!
    if ! window=$(timeout "$map_timeout" \
        xdotool search --sync --onlyvisible --name "$window_title" 2>/dev/null | head -n 1) ||
        [[ -z "$window" ]]; then
        echo "error: no window named \"$window_title\" was mapped within ${map_timeout}s" >&2
        cat "$vs_workdir/app.log" >&2
        exit 1
    fi
}

# Saves the window alone: with no window manager there is no frame around it to crop.
photograph_window() {
    local window=$1 screenshot=$2
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    mkdir -p "$(dirname "$screenshot")"
    python3 "$(dirname "${BASH_SOURCE[0]}")/xwd-to-png.py" "$vs_workdir/Xvfb_screen0" \
        "$X" "$Y" "$WIDTH" "$HEIGHT" "$screenshot"
    echo "Screenshot: $(realpath "$screenshot")"
}
