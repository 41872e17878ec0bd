# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 64-bit ARM Linux (Raspberry Pi, ARM laptops and servers): Debian's cross compiler
# (crossbuild-essential-arm64); the tests run under qemu-user with the cross sysroot.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(DRAWLET_TRIPLET aarch64-linux-gnu)
set(DRAWLET_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
