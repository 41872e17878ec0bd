#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's first commands on a bare Debian 12, in a copy of the root that
# $DRAWLET_FRESH_ROOT names (see fresh-root.sh), with nothing added but git, make and sudo, by
# a user who installs through sudo: `make run` installs its packages, builds the program and
# shows its window; `make deps` installs the rest, after which Debian's package build finds
# every build dependency it wants (where packaging.source_package starts). Building and
# running every test there would take most of CI's time; packaging.deps_listed checks what the
# lists hold against debian/, and packaging.fresh_build that debian/'s declarations suffice.
#
# Usage: check-fresh-make.sh SOURCE_DIR
set -euo pipefail

top=$1
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/fresh-root.sh"

enter_fresh_root
apt_install git make sudo
quietly useradd --create-home player
echo 'player ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/player"
mkdir -p "$root/home/player/drawlet"
(cd "$top" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e "$file" ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -C "$root/home/player/drawlet" -xf -
quietly chown -R player: /home/player/drawlet

as_player() {
    chroot --userspec=player:player "$root" env -i PATH=/usr/bin:/bin HOME=/home/player \
        LANG=C.UTF-8 sh -c "cd /home/player/drawlet && $1" </dev/null >"$root.make.log" 2>&1 || {
        tail -n 40 "$root.make.log" >&2
        echo "FAIL: $1, as a user with sudo on a bare Debian 12" >&2
        exit 1
    }
}
started=$(date +%s)
as_player "make run"
echo "make run built the program and showed its window ($(($(date +%s) - started)) s)."
started=$(date +%s)
as_player "make deps && dpkg-checkbuilddeps"
echo "make deps installed every build dependency ($(($(date +%s) - started)) s)."
