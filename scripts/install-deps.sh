#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs whichever of the given Debian packages are missing, and nothing else.
#
# Usage: scripts/install-deps.sh PACKAGE...
#
# Works on a bare Debian machine (empty apt lists, no compiler): the lists are refreshed only
# when something has to be installed, so a machine that has everything does no network work.
set -euo pipefail

missing=()
for package in "$@"; do
    # "ii" is the only state in which a package is really there; "rc" (removed, config left)
    # and unknown packages both count as missing.
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    if [[ "$status" != ii* ]]; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing missing Debian packages: ${missing[*]}"

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    {
        echo "error: these packages are missing and installing them needs root:"
        echo "    ${missing[*]}"
        echo "Run this as root (or install sudo), then try again:"
        echo "    apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
    } >&2
    exit 1
fi

# Other apt runs on the same machine hold its lock for a while; wait for them, do not fail.
# dpkg syncs the disk after every file it unpacks, which is a third of a first install's time
# here; --force-unsafe-io skips that. The sync only matters if the machine goes down in the
# middle of the install, and then "apt-get install --reinstall" of what was cut off repairs it.
apt_get=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600
    -o DPkg::Options::=--force-unsafe-io)
"${as_root[@]}" "${apt_get[@]}" update
"${as_root[@]}" "${apt_get[@]}" install -y --no-install-recommends "${missing[@]}" </dev/null
