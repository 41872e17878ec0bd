#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages as a user meets them, under Wine on a private virtual screen, in a fresh
# Wine prefix: an older version installed silently into a folder of one's own, this version
# installed over it (same folder, one Apps & features entry), the program opened from its
# Start-menu shortcut, then removed with the entry's quiet-uninstall command, as Windows runs
# it; then the same for every user of the machine; and the portable zip's program opened.
# Afterwards no file, shortcut or registry value of the program may be left in the prefix.
#
# Wine starts every program elevated, as an administrator's "Run as administrator" would:
# run-limited.exe starts the installer with the limited token a double-click gets under UAC.
#
# Usage: check-packages.sh PACKAGE_DIR RUN_LIMITED.exe
#   PACKAGE_DIR is the output of scripts/package-windows.sh; RUN_LIMITED.exe is run-limited.cpp
#   built for Windows.
set -Eeuo pipefail

packages=$(cd "$1" && pwd)
limited=$(realpath "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../../.." && pwd)
setup=$(echo "$packages"/drawlet-selector-*-setup.exe)
portable=$(echo "$packages"/drawlet-selector-*-portable.zip)
version=${setup##*/drawlet-selector-}
version=${version%-setup.exe}
for file in "$setup" "$portable"; do
    [[ -f $file ]] || { echo "error: no $file: run make package-windows" >&2; exit 1; }
done

# shellcheck source=scripts/virtual-screen.sh
source "$top/scripts/virtual-screen.sh"
export WINEPREFIX=$vs_workdir/prefix
export WINEDEBUG=-all
# No Mono or Gecko offer, and no menu entries or file types written into the real $HOME for the
# shortcuts made in the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
[[ -x $wine ]] || wine=$(command -v wine64)
wineserver=$(dirname "$wine")/wineserver
[[ -x $wineserver ]] || wineserver=$(command -v wineserver)
program_pid=""
cleanup() {
    if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; fi
    WINEPREFIX=$vs_workdir/prefix "$wineserver" -k 2>/dev/null || true
    vs_cleanup
}
trap cleanup EXIT

trap 'echo "error: line $LINENO: \"$BASH_COMMAND\" exited with status $?" >&2' ERR
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
step() { echo "== $*"; }

run() { "$wine" "$@" 2>&1 | tr -d '\r'; }
unix_path() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# Everything running in the prefix has ended, the uninstaller's copy of itself included, and the
# registry is on disk. Only when nothing of the program runs: it would wait for that forever.
settle() {
    timeout 60 "$wineserver" -w || {
        echo "FAIL: a program in the prefix was still running after 60 s" >&2
        exit 1
    }
}

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\DrawletSelector'
reg_value() { run reg query "$1\\$uninstall_key" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
entries() {
    { run reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s
      run reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s; } |
        grep -c 'DisplayName *REG_SZ *Drawlet Selector' || true
}

# The window is found by its title on the virtual screen, where Wine maps it. The program is
# left open: the installer and the uninstaller have to close it themselves.
expect_window() {
    local what=$1 window
    if window=$(timeout "$map_timeout" xdotool search --sync --onlyvisible --name \
        "$window_title" 2>/dev/null | head -n 1) && [[ -n $window ]]; then
        echo "window shown: $what"
    else
        fail "$what: no window named \"$window_title\" within ${map_timeout}s"
    fi
}

# The program started in the background has ended.
expect_closed() {
    if timeout 20 tail --pid="$program_pid" -f /dev/null; then
        echo "program closed: $1"
    else
        fail "$1: the program is still running"
    fi
    program_pid=""
}

# Installs for one scope and checks what a user would look for afterwards.
#   check_installed HIVE FOLDER_WINDOWS START_MENU_WINDOWS VERSION
check_installed() {
    local hive=$1 folder=$2 menu=$3 expected_version=$4 name
    local folder_unix
    folder_unix=$(unix_path "$folder")
    for name in drawlet-selector.exe LICENCE.txt uninstall.exe; do
        [[ -f $folder_unix/$name ]] || fail "$hive install: no $folder\\$name"
    done
    [[ -f $(unix_path "$menu")/Drawlet\ Selector.lnk ]] ||
        fail "$hive install: no Start-menu shortcut in $menu"
    [[ $(reg_value "$hive" DisplayName) == "Drawlet Selector" ]] || fail "$hive: DisplayName"
    [[ $(reg_value "$hive" DisplayVersion) == "$expected_version" ]] ||
        fail "$hive: DisplayVersion is '$(reg_value "$hive" DisplayVersion)', not $expected_version"
    [[ $(reg_value "$hive" Publisher) == "The Drawlet Selector developers" ]] || fail "$hive: Publisher"
    [[ $(reg_value "$hive" DisplayIcon) == "$folder\\drawlet-selector.exe,0" ]] ||
        fail "$hive: DisplayIcon is '$(reg_value "$hive" DisplayIcon)'"
    [[ $(reg_value "$hive" InstallLocation) == "$folder" ]] || fail "$hive: InstallLocation"
    [[ $(reg_value "$hive" UninstallString) == "\"$folder\\uninstall.exe\""* ]] ||
        fail "$hive: UninstallString is '$(reg_value "$hive" UninstallString)'"
    [[ $(reg_value "$hive" QuietUninstallString) == "\"$folder\\uninstall.exe\""*" /S" ]] ||
        fail "$hive: QuietUninstallString is '$(reg_value "$hive" QuietUninstallString)'"
    [[ $(reg_value "$hive" NoModify) == 0x1 && $(reg_value "$hive" NoRepair) == 0x1 ]] ||
        fail "$hive: NoModify and NoRepair"
    # In KiB, as Windows reads it: the program and the uninstaller at least.
    local size actual
    size=$(($(reg_value "$hive" EstimatedSize)))
    actual=$(($(du -skL --apparent-size "$folder_unix" 2>/dev/null | cut -f1) + 0))
    ((size > 0 && size >= actual - 8 && size <= actual + 8)) ||
        fail "$hive: EstimatedSize is $size KiB, the folder holds $actual KiB"
    [[ $(entries) == 1 ]] || fail "$hive: $(entries) Apps & features entries, not one"
}

# Windows runs the quiet-uninstall command as the entry gives it.
uninstall_quietly() {
    local hive=$1 how=$2 command
    command=$(reg_value "$hive" QuietUninstallString)
    eval "$how $(printf '%s' "$command" | sed 's/\\/\\\\/g')" >/dev/null
    settle
}

check_removed() {
    local hive=$1 folder=$2 menu=$3
    [[ ! -e $(unix_path "$folder") ]] || fail "$hive uninstall left $folder: $(ls "$(unix_path "$folder")")"
    [[ ! -e $(unix_path "$menu")/Drawlet\ Selector.lnk ]] || fail "$hive uninstall left the shortcut"
    [[ -z $(run reg query "$hive\\$uninstall_key" 2>/dev/null | grep -i drawlet) ]] ||
        fail "$hive uninstall left the registry key"
}

as_user() { run "$limited" "$@"; }

step "a fresh Wine prefix on a private virtual screen"
start_virtual_screen
started=$SECONDS
if ! "$wine" wineboot --init >"$vs_workdir/wineboot.log" 2>&1 || ! settle; then
    echo "error: the Wine prefix could not be made:" >&2
    cat "$vs_workdir/wineboot.log" >&2
    exit 1
fi
# The folder of one's own below goes into one that is already there.
mkdir -p "$WINEPREFIX/drive_c/Tools"
# With no window manager, Wine places and shows the windows itself.
run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
settle
snapshot() {
    (cd "$WINEPREFIX" && find drive_c -path '*/Temp' -prune -o -print | sort)
}
snapshot >"$vs_workdir/files-before"
echo "prefix made in $((SECONDS - started)) s"

# An installer that asks for administrator's rights would show a UAC prompt before anything.
grep -aq 'level="asInvoker"' "$setup" || fail "the installer does not run as the invoking user"

user_menu=$(run cmd /c echo %APPDATA%)'\Microsoft\Windows\Start Menu\Programs'
common_menu=$(run cmd /c echo %ProgramData%)'\Microsoft\Windows\Start Menu\Programs'
program_files=$(run cmd /c echo %ProgramW6432%)

step "an older version, by a user without administrator's rights, into a folder of one's own (/D=)"
previous=$vs_workdir/drawlet-selector-0.9.0-setup.exe
LC_ALL=C.UTF-8 makensis -V1 -INPUTCHARSET UTF8 -DVERSION=0.9.0 \
    "-DEXE=$(unix_path 'C:\windows\system32\notepad.exe')" \
    "-DLICENCE=$top/LICENSES/GPL-3.0-or-later.txt" "-DOUTFILE=$previous" \
    "$top/installer/drawlet-selector.nsi"
# /D= takes the rest of the command line as typed, unquoted; Wine would quote a space in it.
own_folder='C:\Tools\Drawlet'
as_user "$previous" /S "/D=$own_folder" >/dev/null
settle
check_installed HKCU "$own_folder" "$user_menu" 0.9.0

step "this version over it, silently: same folder, one entry"
started=$SECONDS
as_user "$setup" /S >/dev/null
settle
echo "installed in $((SECONDS - started)) s"
check_installed HKCU "$own_folder" "$user_menu" "$version"
cmp -s "$(unix_path "$own_folder")/drawlet-selector.exe" <(unzip -p "$portable" '*/drawlet-selector.exe') ||
    fail "the older program was not replaced"

step "the program from its Start-menu shortcut"
"$wine" start /wait "$user_menu\\Drawlet Selector.lnk" >/dev/null 2>&1 &
program_pid=$!
expect_window "from the Start-menu shortcut"

step "the entry's quiet-uninstall command, the program still open"
started=$SECONDS
uninstall_quietly HKCU as_user
echo "uninstalled in $((SECONDS - started)) s"
expect_closed "by the uninstaller"
check_removed HKCU "$own_folder" "$user_menu"

step "for every user, asked for without the rights: refused"
status=0
as_user "$setup" /S /AllUsers >/dev/null || status=$?
settle
# ERROR_ELEVATION_REQUIRED, of which a Unix exit status keeps the low byte.
[[ $status == $((740 % 256)) ]] || fail "/AllUsers without the rights: exit status $status, not 740"
[[ $(entries) == 0 ]] || fail "/AllUsers without the rights installed something"

step "for every user: elevated, without options"
run "$setup" /S >/dev/null
settle
machine_folder="$program_files\\Drawlet Selector"
check_installed HKLM "$machine_folder" "$common_menu" "$version"
[[ -z $(run reg query "HKCU\\$uninstall_key" 2>/dev/null | grep -i drawlet) ]] ||
    fail "an install for every user wrote an entry for the current user"
"$wine" "$machine_folder\\drawlet-selector.exe" >/dev/null 2>&1 &
program_pid=$!
expect_window "installed for every user"

step "for every user again, the program still open"
run "$setup" /S >/dev/null
expect_closed "by the installer"
settle
check_installed HKLM "$machine_folder" "$common_menu" "$version"
uninstall_quietly HKLM run
check_removed HKLM "$machine_folder" "$common_menu"

step "nothing left behind"
snapshot >"$vs_workdir/files-after"
if ! diff -u "$vs_workdir/files-before" "$vs_workdir/files-after" >"$vs_workdir/files.diff"; then
    fail "files left in the prefix:"
    sed -n '3,$p' "$vs_workdir/files.diff" >&2
fi
if grep -il drawlet "$WINEPREFIX"/*.reg >/dev/null; then
    fail "the registry still names the program:"
    grep -i drawlet "$WINEPREFIX"/*.reg >&2
fi

step "the portable zip"
portable_dir=$(unix_path 'C:\Portable')
mkdir -p "$portable_dir"
unzip -q "$portable" -d "$portable_dir"
unzip -Z1 "$portable" | diff -u - <(printf "drawlet-selector-$version/%s\n" \
    LICENCE.txt README.txt drawlet-selector.exe) || fail "the zip's contents"
"$wine" "C:\\Portable\\drawlet-selector-$version\\drawlet-selector.exe" >/dev/null 2>&1 &
program_pid=$!
expect_window "from the portable zip"

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "All Windows package checks passed."
