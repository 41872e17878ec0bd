#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the copyright and licence header into every tracked file that can carry one and has
# none yet; files that already name their licence are left alone, so running it again is safe.
# Files that cannot carry a header (pictures, JSON, fuzzing seeds) are covered by .reuse/dep5.
#
# Usage: scripts/spdx-headers.sh        (then check with: reuse lint)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

common=(--copyright "The Drawlet Selector developers" --year 2026 --no-replace --skip-existing)

# Named in .reuse/dep5, or licence texts themselves.
no_header='^(LICENSES/|\.reuse/|fuzz/corpus/|app/debian/)|\.(png|json|1)$'
# '#' comments, in files whose kind reuse cannot tell from their name.
hash_comments='^\.ci/run$|^\.clang-format$|\.supp$|\.desktop$|\.conf$'
# The AppStream metadata is free for anyone to reuse, as its metadata_license says.
metadata='\.metainfo\.xml$'

files() { git ls-files | grep -Ev "$no_header" | grep -E "$1" | grep -Ev "${2:-^$}" || true; }

files "$metadata" | xargs -r reuse annotate "${common[@]}" --license CC0-1.0
files "$hash_comments" | xargs -r reuse annotate "${common[@]}" --license GPL-3.0-or-later \
    --style python
files . "$metadata|$hash_comments" | xargs -r reuse annotate "${common[@]}" \
    --license GPL-3.0-or-later
