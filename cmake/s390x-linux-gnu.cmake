# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# IBM Z Linux, the big-endian target Debian builds: its cross compiler
# (crossbuild-essential-s390x); the tests run under qemu-user with the cross sysroot.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(DRAWLET_TRIPLET s390x-linux-gnu)
set(DRAWLET_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
