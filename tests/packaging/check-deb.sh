#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the source package and the .deb as a Debian build machine would (scripts/build-deb.sh,
# without the tests: the bare-root build runs them), then checks what a packager checks: the
# files and fields of the .deb, lintian on the whole upload, and the hardening of the program.
#
# Usage: check-deb.sh OUT_DIR APP_ID VERSION
set -euo pipefail

out=$1
app_id=$2
version=$3
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

mkdir -p "$(dirname "$out")"
# The settings the reproducibility check varies, fixed here.
(umask 022 && env LANG=C.UTF-8 LC_ALL= TZ=UTC DEB_BUILD_OPTIONS=nocheck \
    "$top/scripts/build-deb.sh" "$out") >"$out.log" 2>&1 || {
    cat "$out.log" >&2
    exit 1
}
deb="$out/drawlet-selector_${version}_amd64.deb"
changes="$out/drawlet-selector_${version}_amd64.changes"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[[ -f "$deb" && -f "$changes" ]] ||
    { echo "FAIL: no drawlet-selector $version in $out (is debian/changelog at $version?)" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in \
    ./usr/bin/drawlet-selector \
    "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    ./usr/share/doc/drawlet-selector/copyright \
    ./usr/share/doc/drawlet-selector/changelog.gz \
    ./usr/share/man/man1/drawlet-selector.1.gz; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

field() {
    local name=$1 wanted=$2 actual
    actual=$(dpkg-deb -f "$deb" "$name")
    [[ "$actual" == "$wanted" ]] || fail "$name is '$actual', not '$wanted'"
}
field Package drawlet-selector
field Section utils
field Priority optional
# The window runs natively in a Wayland session only with Qt's Wayland plugin.
field Recommends qt6-wayland
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The Qt libraries come from dpkg-shlibdeps: if it did not run, they are missing.
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name libqt6widgets6"
# Without the SVG plugins the window has no icon.
grep -q 'libqt6svg6' <<<"$depends" || fail "Depends does not name libqt6svg6"

# Debian's own checker on the source and the binary packages, every level it has but the
# experimental one: anything it reports is something a packager would have to fix.
# (It warns on stderr that it runs as root; its findings go to stdout.)
lintian --pedantic -I --fail-on error,warning,info,pedantic "$changes" 2>/dev/null ||
    fail "lintian reports the findings above"

# The program as installed: position independent, stack protector, read-only relocations
# and immediate binding, as hardening-check finds them in the binary.
program=$(mktemp -d)
trap 'rm -rf "$program"' EXIT
dpkg-deb -x "$deb" "$program"
hardening-check "$program/usr/bin/drawlet-selector" || true
hardening-check --nofortify --nocfprotection -q \
    "$program/usr/bin/drawlet-selector" || fail "hardening-check finds a feature missing"
# Fortified functions cannot be seen in this binary either way: its only copies are the
# standard library's, whose sizes the compiler never knows, so no checking variant is ever
# chosen. What shows that fortification is on is every compile line of the package build.
python3 - "$out/drawlet-selector-$version/obj-x86_64-linux-gnu/compile_commands.json" <<'CHECK' ||
import json, sys
commands = json.load(open(sys.argv[1]))
unhardened = [c["file"] for c in commands
              if not all(flag in c["command"].split()
                         for flag in ("-D_FORTIFY_SOURCE=2", "-fstack-protector-strong"))]
print(f"{len(commands) - len(unhardened)} of {len(commands)} files compiled with "
      "_FORTIFY_SOURCE=2 and the strong stack protector")
sys.exit(1 if unhardened or not commands else 0)
CHECK
    fail "files compiled without the hardening flags"

if [[ $failures -gt 0 ]]; then
    exit 1
fi
echo "Package $(basename "$deb") is complete, lintian-clean and hardened."
