# Cross-compiles for 32-bit Windows, the platform the launcher is made for.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw32-common.cmake)
