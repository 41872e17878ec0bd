#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# How fast the fuzzer finds the faults it is there to find. Makes a throw-away worktree of HEAD
# under /tmp, plants the faults of planted-faults.patch there (each switched on by its own
# environment variable, none by default), builds the fuzz preset in it, and fuzzes each fault
# for at most SECONDS with libFuzzer seeds 1 and 2, from a fresh copy of the committed corpus.
# Prints the time to the broken rule, or NOT FOUND.
#
#   bench/fuzz/planted-faults.sh [SECONDS] [FAULT...]
#   faults: WRAP (the base set wraps to box 1), UNDO_TYPE (undo keeps the type of selection),
#           PASTE_SHORT (a paste types one number fewer), GROUP_KEPT (an undo keeps the typing)

set -euo pipefail

seconds=${1:-60}
shift || true
faults=${*:-WRAP UNDO_TYPE PASTE_SHORT GROUP_KEPT}
here=$(cd "$(dirname "$0")" && pwd)
repo=$(git -C "$here" rev-parse --show-toplevel)
copy=$(mktemp -d /tmp/drawlet-planted-XXXXXX)
cleanup() {
    git -C "$repo" worktree remove --force "$copy" 2>/dev/null || rm -rf "$copy"
}
trap cleanup EXIT

git -C "$repo" worktree add --detach "$copy" HEAD >/dev/null
git -C "$copy" apply "$here/planted-faults.patch"
(cd "$copy" && cmake --preset fuzz >/dev/null && cmake --build --preset fuzz --target drawlet_fuzz \
    >/dev/null)

for fault in $faults; do
    for seed in 1 2; do
        run=$(mktemp -d)
        cp -r "$repo/fuzz/corpus" "$run/corpus"
        start=$(date +%s.%N)
        env "PLANT_$fault=1" "$copy/build/fuzz/fuzz/drawlet_fuzz" -seed="$seed" \
            -max_total_time="$seconds" -artifact_prefix="$run/" "$run/corpus" >"$run/log" 2>&1 || true
        end=$(date +%s.%N)
        rule=$(grep -m1 'rule broken' "$run/log" | sed 's/^drawlet_fuzz: rule broken: //' | cut -c1-110)
        printf '%-12s seed %s %7.1f s  %s\n' "$fault" "$seed" "$(echo "$end - $start" | bc -l)" \
            "${rule:-NOT FOUND}"
        rm -rf "$run"
    done
done
