#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the source package and the .deb from debian/ with dpkg-buildpackage, as a Debian
# build machine would, in OUT_DIR/drawlet-selector-VERSION: a copy of the files git knows
# (committed or not, but nothing it ignores, so no build folder ends up in the source), each
# with the time of the copy.
# Everything lands in OUT_DIR: .dsc, .tar.xz, .deb, .buildinfo, .changes.
#
# The build runs with one job per core unless DEB_BUILD_OPTIONS says otherwise; set
# DEB_BUILD_OPTIONS=nocheck to leave the tests out. Further arguments go to dpkg-buildpackage.
#
# Usage: scripts/build-deb.sh OUT_DIR [DPKG_BUILDPACKAGE_OPTION...]
set -euo pipefail

out=$1
shift
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
source_dir="$out/drawlet-selector-$version"

rm -rf "$out"
mkdir -p "$source_dir"
(cd "$top" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e "$file" ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -C "$source_dir" -m -xf -

if [[ "${DEB_BUILD_OPTIONS:-}" != *parallel=* ]]; then
    export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)"
fi
# As on Debian's machines, no compiler launcher: ccache would record the sources' paths relative
# to its base folder, and the packages would differ from those built anywhere else.
unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER
cd "$source_dir"
dpkg-buildpackage -us -uc "$@"
