# Cross-compiles for 32-bit Windows with MinGW-w64 (compiled and linked here; 32-bit Wine cannot run on these machines).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TR_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
