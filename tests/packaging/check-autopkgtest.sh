#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the package's autopkgtest (debian/tests) as Debian's CI does, with the .deb built
# outside, in a copy of the bare Debian 12 root that $DRAWLET_FRESH_ROOT names (see
# fresh-root.sh): autopkgtest installs the package and what the tests depend on there, and runs
# them from the unpacked source package.
#
# Usage: check-autopkgtest.sh DEB_DIR VERSION
set -euo pipefail

debs=$1
version=$2
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/fresh-root.sh"

enter_fresh_root
dpkg-source -x "$debs/drawlet-selector_$version.dsc" "$root.source" >/dev/null 2>&1
status=0
autopkgtest "$debs/drawlet-selector_${version}_amd64.deb" "$root.source/" \
    -- chroot "$root" >"$root.autopkgtest.log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
    cat "$root.autopkgtest.log" >&2
    echo "FAIL: autopkgtest ended with status $status" >&2
    exit 1
fi
# What the test checked.
grep -E '^ok ' "$root.autopkgtest.log"
echo "autopkgtest passed."
