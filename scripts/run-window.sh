#!/usr/bin/env bash
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
window_title="Drawlet Exclusion / Inclusion Selector"
map_timeout=${MAP_TIMEOUT:-30}

if [[ -n "${DISPLAY:-}" ]]; then
    exec "$binary"
fi

workdir=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    if [[ -n "$app_pid" ]]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT

# -displayfd makes the server pick a free display number itself and write it to us once it
# accepts connections, so no other virtual screen on this machine is ever disturbed.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" \
    >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$workdir/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -s "$workdir/display" ]]; then
    echo "error: the virtual screen did not start:" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$workdir/display")"
echo "Virtual screen on $DISPLAY"

"$binary" >"$workdir/app.log" 2>&1 &
app_pid=$!

if ! window=$(timeout "$map_timeout" \
    xdotool search --sync --onlyvisible --name "$window_title" 2>/dev/null | head -n 1) ||
    [[ -z "$window" ]]; then
    echo "error: no window named \"$window_title\" was mapped within ${map_timeout}s" >&2
    cat "$workdir/app.log" >&2
    exit 1
fi

# The window is mapped before its first frame is painted; give the toolkit a moment to draw.
sleep 1

# Crop the root picture to the window: with no window manager there is no frame around it.
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$screenshot")"
/usr/bin/import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
echo "Screenshot: $(realpath "$screenshot")"
