# Cross-compiles 32-bit Windows programs with mingw-w64 (POSIX thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QL_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows programs run under the project's Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
