# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# compare_debs DIR_A DIR_B: every .deb of one build is byte for byte the same file in the
# other, and both builds made the same packages. Exits with 1 naming the ones that differ.
compare_debs() {
    local a=$1 b=$2 names different=()
    names=$(cd "$a" && ls -1 -- *.deb)
    if [[ "$names" != "$(cd "$b" && ls -1 -- *.deb)" ]]; then
        echo "FAIL: the two builds made different packages:" >&2
        diff <(echo "$names") <(cd "$b" && ls -1 -- *.deb) | sed 's/^/    /' >&2
        exit 1
    fi
    for name in $names; do
        cmp -s "$a/$name" "$b/$name" || different+=("$name")
    done
    if [[ ${#different[@]} -gt 0 ]]; then
        echo "FAIL: the two builds differ in ${different[*]}" >&2
        echo "    (diffoscope $a/${different[0]} $b/${different[0]} shows where)" >&2
        exit 1
    fi
    echo "Both builds made the same bytes: $(echo $names)"
}
