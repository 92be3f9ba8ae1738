# Cross-compiles for 32-bit Windows with MinGW-w64 (the players' build). Its test programs run under 32-bit
# Wine in an emulated i386 chroot, through scripts/i686-wine.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TR_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TR_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TR_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${TR_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TR_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/i686-wine.sh run)
