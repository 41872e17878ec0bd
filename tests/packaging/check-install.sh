#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a staging folder and checks that exactly the expected files land
# where a desktop looks for them, and that they name each other correctly.
#
# Usage: check-install.sh CMAKE BUILD_DIR STAGE_DIR APP_ID
set -euo pipefail

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
