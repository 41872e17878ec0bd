#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the validators that software centres and desktops use on the launcher and metainfo.
#
# Usage: check-metadata.sh APP_SOURCE_DIR APP_ID
set -euo pipefail

app_dir=$1
app_id=$2

# --no-net: the release date and URLs are checked for form only, so the test needs no network.
appstreamcli validate --no-net "$app_dir/$app_id.metainfo.xml"

if command -v desktop-file-validate >/dev/null 2>&1; then
    # desktop-file-validate prints problems but exits 0 on mere hints, so any output fails.
    report=$(desktop-file-validate "$app_dir/$app_id.desktop" 2>&1)
    if [[ -n "$report" ]]; then
        echo "$report" >&2
        exit 1
    fi
    echo "Launcher is valid."
else
    echo "desktop-file-validate is not installed; the launcher was not validated."
fi
