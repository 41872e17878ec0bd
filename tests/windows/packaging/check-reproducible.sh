#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Packages the Windows program a second time and compares the result byte for byte with the
# first (make package-windows): from a copy of the source in another folder at another depth,
# whose files all have the time of the copy, later, with another umask, locale and time zone.
# What may differ between two builds of one commit then differs, except SOURCE_DATE_EPOCH,
# which comes from debian/changelog.
#
# With --program, the copy builds the program too (the CMake preset `windows`), packages that
# one, and it has to be the same bytes as PROGRAM.exe.
#
# Usage: check-reproducible.sh [--program] FIRST_OUT_DIR SCRATCH_DIR PROGRAM.exe [ICON.ico]
set -euo pipefail

rebuild=false
if [[ $1 == --program ]]; then
    rebuild=true
    shift
fi
first=$(cd "$1" && pwd)
scratch=$(realpath -m "$2")
shift 2
program=("$(cd "$(dirname "$1")" && pwd)/$(basename "$1")")
if [[ $# -gt 1 ]]; then program+=("$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"); fi
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)

rm -rf "$scratch"
source=$scratch/some/other/place/source
mkdir -p "$source"
(cd "$top" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e "$file" ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -C "$source" -m -xf -

second=$scratch/out
built=("${program[@]}")
if $rebuild; then
    built=("$source/build/windows/drawlet-selector.exe")
    if [[ ${#program[@]} -gt 1 ]]; then built+=("$source/build/windows/app/windows/drawlet-selector.ico"); fi
fi
# No compiler launcher: a cache would hand back the first build's objects.
(umask 077 && cd "$scratch" && export LANG=C LC_ALL=C TZ=XYZ-14 &&
    unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER &&
    if $rebuild; then
        (cd "$source" && cmake --preset windows && cmake --build --preset windows --target drawlet-selector)
    fi &&
    "$source/scripts/package-windows.sh" "${built[0]}" "$second" "${built[@]:1}") \
    >"$scratch/build.log" 2>&1 || {
    cat "$scratch/build.log" >&2
    exit 1
}

status=0
if $rebuild; then
    if cmp -s "${program[0]}" "${built[0]}"; then
        echo "same bytes: $(basename "${program[0]}") ($(stat -c %s "${program[0]}") bytes)"
    else
        echo "FAIL: $(basename "${program[0]}") differs between the two builds" >&2
        cmp "${program[0]}" "${built[0]}" >&2 || true
        status=1
    fi
fi
for file in "$first"/drawlet-selector-*-setup.exe "$first"/drawlet-selector-*-portable.zip \
    "$first/SHA256SUMS"; do
    name=$(basename "$file")
    if cmp -s "$file" "$second/$name"; then
        echo "same bytes: $name ($(stat -c %s "$file") bytes)"
    else
        echo "FAIL: $name differs between the two builds" >&2
        cmp "$file" "$second/$name" >&2 || true
        status=1
    fi
done
exit $status
