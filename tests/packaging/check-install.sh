#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a staging folder and checks that exactly the expected files land
# where a desktop looks for them, and that they name each other correctly.
#
# With --fresh-root it installs the Debian package instead, the way a user would, into a copy
# of $DRAWLET_FRESH_ROOT: a bare Debian 12 (debootstrap --variant=minbase, as a folder or a
# .tar.gz) that never built the program. The window has to open there on an X screen with
# nothing but the package's own dependencies, and purging the package (and what it pulled in)
# has to leave the tree as it was. That needs root, chroot and the package mirror, and takes
# minutes, so it runs only when DRAWLET_FRESH_ROOT is set; otherwise it reports itself skipped.
#
# Usage: check-install.sh CMAKE BUILD_DIR STAGE_DIR APP_ID
#        check-install.sh --fresh-root DEB_DIR
set -euo pipefail

skipped=77

check_in_fresh_root() {
    local debs=("$1"/*.deb)
    if [[ -z "${DRAWLET_FRESH_ROOT:-}" ]]; then
        echo "Skipped: set DRAWLET_FRESH_ROOT to a bare Debian 12 root to run this check."
        exit $skipped
    fi
    [[ -f "${debs[0]}" ]] || { echo "FAIL: no package in $1" >&2; exit 1; }

    root=$(mktemp -d /var/tmp/drawlet-fresh-root.XXXXXX)
    # The virtual screen runs out here; the program in the root reaches it through the
    # abstract X socket, which a chroot shares.
    source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-screen.sh"
    remove_root() {
        vs_cleanup
        umount "$root/proc" "$root/dev" 2>/dev/null || true
        # Never delete a tree that still has the machine's own /dev mounted inside it.
        if grep -q " $root/" /proc/mounts; then
            echo "warning: $root is still mounted; left in place" >&2
        else
            rm -rf "$root" "$root.log"
        fi
    }
    trap remove_root EXIT
    if [[ -d "$DRAWLET_FRESH_ROOT" ]]; then
        cp -a "$DRAWLET_FRESH_ROOT/." "$root/"
    else
        tar -C "$root" -xzf "$DRAWLET_FRESH_ROOT"
    fi
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    in_root() {
        chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
            DEBIAN_FRONTEND=noninteractive "$@" </dev/null
    }
    # apt's chatter is shown only when a step fails.
    quietly() { in_root "$@" >"$root.log" 2>&1 || { cat "$root.log" >&2; exit 1; }; }
    # Everything but what apt and dpkg keep about themselves, logs and caches.
    snapshot() {
        in_root find / -xdev \( -path /proc -o -path /dev -o -path /tmp -o -path /run \
            -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /var/cache -o -path /var/log \) \
            -prune -o -print | LC_ALL=C sort
    }

    quietly apt-get update
    local before
    before=$(snapshot)
    cp "${debs[0]}" "$root/tmp/"
    # Recommends stay out: the package has to work with what it depends on.
    quietly apt-get install -y --no-install-recommends "/tmp/$(basename "${debs[0]}")"
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
    "share/doc/drawlet-selector/changelog.gz"
    "share/doc/drawlet-selector/copyright"
    "share/man/man1/drawlet-selector.1.gz"
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
