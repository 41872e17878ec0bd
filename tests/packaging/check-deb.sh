#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and checks what is inside it and what it depends on.
#
# Usage: check-deb.sh CPACK CPACK_CONFIG OUT_DIR APP_ID
set -euo pipefail

cpack=$1
config=$2
out=$3
app_id=$4

rm -rf "$out"
"$cpack" --config "$config" -G DEB -B "$out" >"$out.log" 2>&1 || {
    cat "$out.log" >&2
    exit 1
}
shopt -s nullglob
debs=("$out"/*.deb)
if [[ ${#debs[@]} -ne 1 ]]; then
    echo "FAIL: expected one .deb in $out, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in \
    ./usr/bin/drawlet-selector \
    "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    ./usr/share/doc/drawlet-selector/copyright \
    ./usr/share/doc/drawlet-selector/changelog.gz \
    ./usr/share/man/man1/drawlet-selector.1.gz; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

field() {
    local name=$1 wanted=$2 actual
    actual=$(dpkg-deb -f "$deb" "$name")
    [[ "$actual" == "$wanted" ]] || fail "$name is '$actual', not '$wanted'"
}
field Package drawlet-selector
field Section utils
field Priority optional
# The window runs natively in a Wayland session only with Qt's Wayland plugin.
field Recommends qt6-wayland
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The Qt libraries come from dpkg-shlibdeps: if it did not run, they are missing.
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name libqt6widgets6"
# Without the SVG plugins the window has no icon.
grep -q 'libqt6svg6' <<<"$depends" || fail "Depends does not name libqt6svg6"

# What Debian's own checker finds is what a packager would have to fix: no error, no warning.
# (It warns on stderr that it runs as root; its findings go to stdout.)
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian finds errors or warnings"

if [[ $failures -gt 0 ]]; then
    exit 1
fi
echo "Package $(basename "$deb") is complete."
