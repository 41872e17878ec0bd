#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Makefile's package lists hold what Debian's own tools ask of a machine that runs the
# tests: the source package's build dependencies, with build-essential, which
# dpkg-checkbuilddeps adds to those of every source package, and what the autopkgtest depends
# on. Those declarations are checked in a bare Debian 12 by the package's own build and its
# autopkgtest there; a package missing from the lists goes unseen on every machine that has it
# already, but not here. What building the program alone needs is in the list `make run`
# installs.
#
# Usage: check-deps-lists.sh
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
lists() {
    make -s --no-print-directory -C "$top" --eval "print-lists: ; @echo $1" print-lists
}

python3 - "$top/debian/control" "$top/debian/tests/control" "$(lists '$(RUN_DEPS)')" \
    "$(lists '$(TEST_DEPS)')" <<'CHECK'
import re
import sys

control, tests_control, run_deps, test_deps = sys.argv[1:]
run_deps = set(run_deps.split())
all_deps = run_deps | set(test_deps.split())


def relations(path, name):
    """Each relation of a field of a deb822 file: (alternatives, build profiles)."""
    text = []
    for paragraph in open(path, encoding="utf-8").read().split("\n\n"):
        field = None
        for line in paragraph.splitlines():
            if line.startswith("#"):
                continue
            if not line[:1].isspace():
                field, _, line = line.partition(":")
            if field == name:
                text.append(line)
    for relation in ",".join(text).split(","):
        profiles = re.findall(r"<([^>]*)>", relation)
        names = [re.sub(r"\(.*?\)|\[.*?\]|<.*?>", "", part).strip()
                 for part in relation.split("|")]
        names = [n for n in names if n and n != "@" and not n.startswith("${")]
        if names:
            yield names, profiles


# debhelper-compat is a name debhelper provides; build-essential goes with every build.
provided_by = {"debhelper-compat": "debhelper"}
wanted = [(["build-essential"], "dpkg-checkbuilddeps", all_deps)]
for names, profiles in relations(control, "Build-Depends"):
    names = [provided_by.get(n, n) for n in names]
    wanted.append((names, "Build-Depends", all_deps))
    if not profiles and names != ["debhelper"]:
        wanted.append((names, "Build-Depends (building the program)", run_deps))
for names, _ in relations(tests_control, "Depends"):
    wanted.append((names, "the autopkgtest's Depends", all_deps))

missing = [(names, why, "RUN_DEPS" if listed is run_deps else "RUN_DEPS or TEST_DEPS")
           for names, why, listed in wanted if not listed.intersection(names)]
for names, why, where in missing:
    print(f"FAIL: {' | '.join(names)} ({why}) is not in the Makefile's {where}")
if missing:
    sys.exit(1)
print(f"The Makefile's lists hold all {len(wanted)} packages that debian/ asks for.")
CHECK
