#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a bare Debian 12 root (the minimal variant, with empty package lists) and packs it into
# the .tar.gz given, for the check that installs the package into a system that never built it.
# Needs root and debootstrap.
#
# Usage: make-fresh-root.sh OUTPUT.tar.gz
set -euo pipefail

output=$1
work=$(mktemp -d /var/tmp/drawlet-debootstrap.XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "Making a bare Debian 12 root for the package check (a few minutes) ..."
if ! debootstrap --variant=minbase bookworm "$work/root" >"$work/log" 2>&1; then
    cat "$work/log" >&2
    exit 1
fi
rm -rf "$work/root/var/lib/apt/lists"/* "$work/root/var/cache/apt/archives"/*.deb
mkdir -p "$work/root/var/lib/apt/lists/partial"
mkdir -p "$(dirname "$output")"
tar -C "$work/root" -czf "$output.part" .
mv "$output.part" "$output"
echo "Bare root: $output"
