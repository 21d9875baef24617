# SPDX-License-Identifier: MIT
# Cross-compiles the Windows program from Linux with Debian's MinGW-w64 (posix threads model).
# Used by the "windows" preset: cmake --preset windows && cmake --build --preset windows
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNIK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNIK_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${VARNIK_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VARNIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program links the C and C++ runtimes in: it needs no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_DLLTOOL ${VARNIK_MINGW_PREFIX}-dlltool)
