# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, for
# std::thread and std::mutex), and runs what it builds under Debian's wine64, so that ctest and
# GoogleTest's test discovery can run the Windows programs on Linux.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# scripts/windows.sh installs the packages and sets up Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUARVEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUARVEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUARVEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUARVEL_MINGW_TRIPLE}-windres)

# Libraries, headers and CMake packages come from the MinGW-w64 tree (or a path given exactly,
# like GTest_DIR), never from the Linux system; programs run at build time are Linux ones.
set(CMAKE_FIND_ROOT_PATH /usr/${QUARVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each .exe runs alone: libgcc, libstdc++ and winpthread are linked in, so no MinGW DLL has to
# be found beside it, neither on a player's Windows nor in a Wine prefix.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian's wine64 loader runs a 64-bit .exe without the 32-bit half of Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
