# Cross-compiles for 64-bit Windows: the test build on machines that cannot
# run 32-bit programs under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw32-common.cmake)
