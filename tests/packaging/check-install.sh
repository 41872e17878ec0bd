#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a staging folder and checks that exactly the expected files land
# where a desktop looks for them, and that they name each other correctly.
#
# With --fresh-root it installs the Debian package instead, the way a user would, into a copy
# of the bare Debian 12 root that $DRAWLET_FRESH_ROOT names (see fresh-root.sh). The window
# has to open there on an X screen with nothing but the package's own dependencies, and
# purging the package (and what it pulled in) has to leave the tree as it was.
#
# Usage: check-install.sh CMAKE BUILD_DIR STAGE_DIR APP_ID
#        check-install.sh --fresh-root DEB_DIR
set -euo pipefail

check_in_fresh_root() {
    local debs=("$1"/drawlet-selector_*.deb)
    here=$(dirname "${BASH_SOURCE[0]}")
    source "$here/fresh-root.sh"
    [[ -f "${debs[0]}" ]] || { echo "FAIL: no package in $1" >&2; exit 1; }

    # The virtual screen runs out here; the program in the root reaches it through the
    # abstract X socket, which a chroot shares.
    source "$here/../../scripts/virtual-screen.sh"
    enter_fresh_root
    # Everything but what apt and dpkg keep about themselves, logs and caches.
    snapshot() {
        in_root find / -xdev \( -path /proc -o -path /dev -o -path /tmp -o -path /run \
            -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /var/cache -o -path /var/log \) \
            -prune -o -print | LC_ALL=C sort
    }

    local before
    before=$(snapshot)
    cp "${debs[0]}" "$root/tmp/"
    # Recommends stay out: the package has to work with what it depends on.
    apt_install "/tmp/$(basename "${debs[0]}")"
    rm "$root/tmp/$(basename "${debs[0]}")"

    cat >"$vs_workdir/launch" <<LAUNCH
#!/bin/sh
exec chroot "$root" env -i DISPLAY=\$DISPLAY LANG=C.UTF-8 /usr/bin/drawlet-selector
LAUNCH
    chmod +x "$vs_workdir/launch"
    start_virtual_screen
    start_window "$vs_workdir/launch"
    sleep 1
    kill -0 "$vs_app_pid" 2>/dev/null || { echo "FAIL: the program stopped" >&2; exit 1; }
    kill "$vs_app_pid"
    wait "$vs_app_pid" || true
    vs_app_pid=""
    echo "The installed program opened its window."

    quietly apt-get purge -y --autoremove drawlet-selector
    local left
    left=$(diff <(echo "$before") <(snapshot)) || {
        echo "FAIL: purging the package leaves the tree changed:" >&2
        echo "$left" | sed 's/^/    /' >&2
        exit 1
    }
    echo "Purging the package left nothing behind."
    exit 0
}

if [[ "${1:-}" == --fresh-root ]]; then
    check_in_fresh_root "$2"
fi

cmake=$1
build_dir=$2
stage=$3
app_id=$4

rm -rf "$stage"
"$cmake" --install "$build_dir" --prefix "$stage" >/dev/null

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected=(
    "bin/drawlet-selector"
    "share/man/man1/drawlet-selector.1"
    "share/applications/$app_id.desktop"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    "share/metainfo/$app_id.metainfo.xml"
)
actual=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [[ "$actual" != "$wanted" ]]; then
    fail "installed files differ from the expected layout"
    diff <(echo "$wanted") <(echo "$actual") | sed 's/^/    /' >&2 || true
fi

[[ -x "$stage/bin/drawlet-selector" ]] || fail "bin/drawlet-selector is not executable"

desktop="$stage/share/applications/$app_id.desktop"
metainfo="$stage/share/metainfo/$app_id.metainfo.xml"
if [[ -f "$desktop" ]]; then
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [[ -x "$stage/bin/${exec_line%% *}" ]] ||
        fail "the launcher runs '$exec_line', which is not an installed program"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [[ -f "$stage/share/icons/hicolor/scalable/apps/$icon.svg" ]] ||
        fail "the launcher's icon '$icon' is not installed"
fi
if [[ -f "$metainfo" ]]; then
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [[ -f "$stage/share/applications/$launchable" ]] ||
        fail "the metainfo launches '$launchable', which is not installed"
    binary=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")
    [[ -x "$stage/bin/$binary" ]] || fail "the metainfo provides '$binary', which is not installed"
fi

if [[ $failures -gt 0 ]]; then
    exit 1
fi
echo "Installed layout is complete and consistent."
