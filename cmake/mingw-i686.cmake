# Cross-compiles for 32-bit Windows with MinGW-w64 (the players' build). Its test programs run under 32-bit
# Wine in an emulated i386 chroot, through scripts/i686-wine.sh.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TR_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/i686-wine.sh run)
