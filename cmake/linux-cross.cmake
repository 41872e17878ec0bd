# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Linux cross targets share, given DRAWLET_TRIPLET and DRAWLET_QEMU: Debian's cross
# compilers, their sysroot under /usr/<triplet>, and qemu-user to run what they build (called
# with -L, so no binfmt registration is needed).
set(DRAWLET_SYSROOT /usr/${DRAWLET_TRIPLET})
set(CMAKE_C_COMPILER ${DRAWLET_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${DRAWLET_TRIPLET}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${DRAWLET_QEMU} -L ${DRAWLET_SYSROOT})

set(CMAKE_FIND_ROOT_PATH ${DRAWLET_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
