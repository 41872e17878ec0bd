#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the packages a second time and compares them byte for byte with the first build
# (check-deb.sh): another folder at another depth, later, with another umask, locale and time
# zone, and with the source files' times those of this copy. Everything that may differ
# between two builds of one commit then differs, except SOURCE_DATE_EPOCH, which
# dpkg-buildpackage takes from debian/changelog.
#
# Usage: check-reproducible.sh FIRST_OUT_DIR SECOND_OUT_DIR
set -euo pipefail

first=$1
second=$2/elsewhere/again
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

rm -rf "$2"
mkdir -p "$second"
(umask 077 && env LANG=C LC_ALL=C TZ=XYZ-14 DEB_BUILD_OPTIONS=nocheck \
    "$top/scripts/build-deb.sh" "$second") >"$2.log" 2>&1 || {
    cat "$2.log" >&2
    exit 1
}
# shellcheck source=compare-debs.sh
source "$(dirname "${BASH_SOURCE[0]}")/compare-debs.sh"
compare_debs "$first" "$second"
