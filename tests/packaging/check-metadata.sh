#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the validators that software centres and desktops use on the launcher and metainfo.
#
# Usage: check-metadata.sh APP_SOURCE_DIR APP_ID VERSION
set -euo pipefail

app_dir=$1
app_id=$2
version=$3
metainfo="$app_dir/$app_id.metainfo.xml"

# --no-net: the release date and URLs are checked for form only, so the test needs no network.
# Pedantic hints are printed but do not fail; errors and warnings do.
appstreamcli validate --pedantic --no-net "$metainfo"

# What a software centre shows beside the description: the licence, the release it installs
# and the age rating. Without a rating some centres hide the program.
for wanted in \
    "<project_license>GPL-3.0-or-later</project_license>" \
    "<release version=\"$version\"" \
    "<content_rating type=\"oars-"; do
    grep -qF "$wanted" "$metainfo" || {
        echo "FAIL: the metainfo lacks $wanted" >&2
        exit 1
    }
done

# desktop-file-validate prints problems but exits 0 on mere hints, so any output fails.
report=$(desktop-file-validate "$app_dir/$app_id.desktop" 2>&1)
if [[ -n "$report" ]]; then
    echo "$report" >&2
    exit 1
fi
echo "Metainfo and launcher are valid."
