# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 32-bit x86 Linux: the host's g++ with -m32 (Debian: g++-12-multilib), on an amd64 host. The
# tests run natively, with `long` and pointers 32 bits wide.
#
# Debian's gcc-multilib package conflicts with its cross compilers; all it adds is the link
# /usr/include/asm to the kernel's x86 headers, which serve -m32 as well. They are searched
# last here instead.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32 -idirafter /usr/include/x86_64-linux-gnu")
set(CMAKE_CXX_FLAGS_INIT "-m32 -idirafter /usr/include/x86_64-linux-gnu")
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
