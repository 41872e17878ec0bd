# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 64-bit Windows: MinGW-w64 with POSIX threads (Debian: g++-mingw-w64-x86-64-posix). The
# programs are linked statically, so no libstdc++, libgcc or winpthread DLL has to be found, and
# the tests run under Wine (wine64) without a display, in a Wine prefix inside the build tree.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-headless.sh
                                  ${CMAKE_BINARY_DIR}/wine-prefix)
# The prefix is made now, once: its first start takes longer than test discovery may.
if(NOT CMAKE_IN_TRY_COMPILE)
    execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} COMMAND_ERROR_IS_FATAL ANY)
endif()
