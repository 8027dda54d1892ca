# Shared by the two MinGW-w64 toolchain files, which set TALLIX_MINGW_TRIPLE
# first: Windows programs built on Debian with the -posix compilers (their
# C++ runtime has std::thread, which Debian's GoogleTest sources need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TALLIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLIX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TALLIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread linked in, so that a program imports
# only DLLs that every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# GCC 12 warns of overlapping copies inside std::string concatenation where
# size_t is 32 bits wide, a known false positive (GCC bug 105329).
string(APPEND CMAKE_CXX_FLAGS_INIT " -Wno-restrict")
