#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Packages the Windows program for release, into OUT_DIR:
#   drawlet-selector-VERSION-setup.exe     the installer (NSIS, installer/drawlet-selector.nsi)
#   drawlet-selector-VERSION-portable.zip  the program, its licence and a read-me, in one folder
#   SHA256SUMS                             both, as `sha256sum -c` reads them
#
# VERSION is the Debian package's, from debian/changelog; CMakeLists.txt has to agree, or the
# program's own version resource would say something else. Both packages are the same bytes
# wherever, whenever and by whomever they are built: every time in them is SOURCE_DATE_EPOCH,
# by default the date of debian/changelog's last entry, as dpkg-buildpackage takes it.
#
# ICON is the installer's own icon, the program's (NSIS's own without it).
#
# Usage: scripts/package-windows.sh PROGRAM.exe OUT_DIR [ICON.ico]
set -euo pipefail

if [[ $# -lt 2 || $# -gt 3 ]]; then
    echo "usage: $0 PROGRAM.exe OUT_DIR [ICON.ico]" >&2
    exit 2
fi
exe=$1
out=$2
icon_file=${3:-}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ ! -f $exe ]]; then
    echo "error: $exe is missing: build the Windows program first (make windows)" >&2
    exit 1
fi

for tool in makensis dpkg-parsechangelog python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "error: $tool is missing: install nsis, dpkg-dev and python3 (make package-windows does)" >&2
        exit 1
    fi
done

changelog=$top/debian/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
# A Debian revision (1.0.0-2) is the Debian package's alone.
version=${version%-*}
cmake_version=$(sed -n '/^project(/,/)/s/^ *VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
if [[ $version != "$cmake_version" ]]; then
    echo "error: debian/changelog says version $version, CMakeLists.txt says $cmake_version" >&2
    exit 1
fi
if [[ ! $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    echo "error: Windows needs a version of three numbers, not $version" >&2
    exit 1
fi
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$changelog" -S Timestamp)}

setup=drawlet-selector-$version-setup.exe
portable=drawlet-selector-$version-portable.zip
mkdir -p "$out"
out=$(cd "$out" && pwd)
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
rm -f "$out/$setup" "$out/$portable" "$out/SHA256SUMS"

icon=()
if [[ -n $icon_file ]]; then
    icon=("-DICON=$(cd "$(dirname "$icon_file")" && pwd)/$(basename "$icon_file")")
fi
# makensis reads its messages' language from the locale; its output does not depend on it.
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 -NOCD \
    "-DVERSION=$version" "-DEXE=$exe" "-DLICENCE=$top/LICENSES/GPL-3.0-or-later.txt" \
    "-DOUTFILE=$out/$setup" "${icon[@]}" "$top/installer/drawlet-selector.nsi"

# Python's zipfile rather than zip: every entry's time, mode and order is set here, and no
# extra field (Unix times, owners) is written.
python3 - "$out/$portable" "drawlet-selector-$version" "$version" \
    "$exe" "$top/LICENSES/GPL-3.0-or-later.txt" "$top/installer/README-portable.txt" <<'PYTHON'
import os, sys, time, zipfile

target, folder, version, exe, licence, readme = sys.argv[1:]
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]
with open(readme, encoding="utf-8") as f:
    readme_text = f.read().replace("@VERSION@", version)
entries = {
    "drawlet-selector.exe": (open(exe, "rb").read(), 0o755),
    "LICENCE.txt": (open(licence, "rb").read(), 0o644),
    # Notepad before Windows 10 shows a text with Unix line ends on one line.
    "README.txt": (readme_text.replace("\n", "\r\n").encode("utf-8"), 0o644),
}
with zipfile.ZipFile(target, "w") as z:
    for name in sorted(entries):
        data, mode = entries[name]
        info = zipfile.ZipInfo(f"{folder}/{name}", date_time=stamp)
        info.create_system = 3
        info.external_attr = (0o100000 | mode) << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        z.writestr(info, data, compresslevel=9)
PYTHON
touch -d "@$SOURCE_DATE_EPOCH" "$out/$setup" "$out/$portable"

(cd "$out" && sha256sum "$setup" "$portable" >SHA256SUMS)
echo "Windows packages of version $version in $out:"
(cd "$out" && ls -l "$setup" "$portable" SHA256SUMS)
