#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the source package the way Debian's build machines do, in a copy of the bare Debian 12
# root that $DRAWLET_FRESH_ROOT names (see fresh-root.sh): apt-get build-dep installs what
# debian/control declares and nothing else, and dpkg-buildpackage, as a user without rights,
# builds the program and runs its tests. The packages made there have to be byte for byte
# those made outside (check-deb.sh): another machine, another build folder, the tests run.
#
# Usage: check-fresh-build.sh DEB_DIR VERSION
set -euo pipefail

debs=$1
version=$2
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/fresh-root.sh"
source "$here/compare-debs.sh"

dsc=drawlet-selector_$version.dsc
[[ -f "$debs/$dsc" ]] || { echo "FAIL: no $dsc in $debs" >&2; exit 1; }

enter_fresh_root
mkdir -p "$root/tmp/source"
cp "$debs/$dsc" "$debs/drawlet-selector_$version.tar.xz" "$root/tmp/source/"
# build-essential comes with them, as on Debian's build machines.
quietly apt-get build-dep -y "/tmp/source/$dsc"

quietly useradd --create-home builder
quietly chown -R builder: /tmp/source
in_root_as_builder() {
    chroot --userspec=builder:builder "$root" env -i PATH=/usr/bin:/bin HOME=/home/builder \
        LANG=C.UTF-8 DEB_BUILD_OPTIONS="parallel=$(nproc)" sh -c "cd /tmp/source && $1" \
        </dev/null
}
started=$(date +%s)
in_root_as_builder "dpkg-source -x $dsc build && cd build && dpkg-buildpackage -us -uc" \
    >"$root.build.log" 2>&1 || {
    tail -n 100 "$root.build.log" >&2
    exit 1
}
grep -E '^[0-9]+% tests passed' "$root.build.log" || {
    echo "FAIL: the package build ran no tests" >&2
    exit 1
}
echo "Built with its tests in $(($(date +%s) - started)) s."
compare_debs "$debs" "$root/tmp/source"
