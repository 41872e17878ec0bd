# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the checks that run in a copy of $DRAWLET_FRESH_ROOT: a bare Debian 12
# (debootstrap --variant=minbase, as a folder or a .tar.gz, see scripts/make-fresh-root.sh)
# that never built or installed the program. They need root, chroot and the package mirror,
# and take minutes, so without DRAWLET_FRESH_ROOT they report themselves skipped.
#
# Source it, then call enter_fresh_root: it sets `root` to a new copy with /proc and /dev
# mounted and its package lists fresh, and removes the copy again when the script exits, with
# whatever the script kept beside it as "$root.NAME".

if [[ -z "${DRAWLET_FRESH_ROOT:-}" ]]; then
    echo "Skipped: set DRAWLET_FRESH_ROOT to a bare Debian 12 root to run this check."
    exit 77
fi

remove_root() {
    if declare -F vs_cleanup >/dev/null; then
        vs_cleanup
    fi
    umount "$root/proc" "$root/dev" 2>/dev/null || true
    # Never delete a tree that still has the machine's own /dev mounted inside it.
    if grep -q " $root/" /proc/mounts; then
        echo "warning: $root is still mounted; left in place" >&2
    else
        rm -rf "$root" "$root".*
    fi
}

enter_fresh_root() {
    root=$(mktemp -d /var/tmp/drawlet-fresh-root.XXXXXX)
    trap remove_root EXIT
    if [[ -d "$DRAWLET_FRESH_ROOT" ]]; then
        cp -a "$DRAWLET_FRESH_ROOT/." "$root/"
    else
        tar -C "$root" -xzf "$DRAWLET_FRESH_ROOT"
    fi
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    # dpkg syncs the disk after every file it unpacks, a third of an install's time; a copy
    # that is thrown away needs none of that.
    echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/drawlet-unsafe-io"
    quietly apt-get update
}

in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@" </dev/null
}

# apt's chatter is shown only when a step fails.
quietly() {
    in_root "$@" >"$root.log" 2>&1 || {
        cat "$root.log" >&2
        exit 1
    }
}

apt_install() {
    quietly apt-get install -y --no-install-recommends "$@"
}
