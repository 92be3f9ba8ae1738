# The 32-bit native tree (build/native32): the portable code and its tests built with -m32 and
# UndefinedBehaviorSanitizer, run by ctest through qemu-i386-static. AddressSanitizer stays off here: its
# shadow mapping hangs under user-mode emulation. Fuzz targets are not built; their seeds are replayed once.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(tr_i386_flags "-m32 -D_FILE_OFFSET_BITS=64 -fsanitize=undefined -fno-sanitize-recover=all -fno-omit-frame-pointer")
set(CMAKE_C_FLAGS_INIT "${tr_i386_flags}")
set(CMAKE_CXX_FLAGS_INIT "${tr_i386_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32 -fsanitize=undefined")
set(TR_SANITIZE OFF CACHE BOOL "AddressSanitizer cannot run under qemu-i386")
set(TR_SEED_REPLAY ON CACHE BOOL "Replay every fuzz seed once through the 32-bit readers")
find_program(TR_QEMU_I386 qemu-i386-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TR_QEMU_I386})
