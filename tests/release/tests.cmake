# The built launcher as players get it: imports, manifest and version texts in both Windows trees; in the
# 32-bit tree also the reviewed imports, the instruction set and the release package (built by the release
# command).
if(WIN32)
    add_test(NAME exe.check COMMAND bash ${TR_ROOT}/tests/release/check-exe.sh $<TARGET_FILE:Tumbleridge>
             ${CMAKE_OBJDUMP})
    set_tests_properties(exe.check PROPERTIES LABELS release)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
        # The players' exe stays within Windows XP's functions and any i686 processor's instructions.
        add_test(NAME exe.imports COMMAND bash ${TR_ROOT}/tests/release/check-imports.sh $<TARGET_FILE:Tumbleridge>
                 ${CMAKE_OBJDUMP} ${TR_ROOT}/tests/release/imports-reviewed.txt)
        add_test(NAME exe.i686 COMMAND bash ${TR_ROOT}/tests/release/check-i686.sh $<TARGET_FILE:Tumbleridge>
                 ${CMAKE_OBJDUMP})
        set_tests_properties(exe.imports exe.i686 PROPERTIES LABELS release)
        add_test(NAME release.package COMMAND bash ${TR_ROOT}/tests/release/release-package.sh
                 ${CMAKE_BINARY_DIR}/release-scratch)
        set_tests_properties(release.package PROPERTIES LABELS release TIMEOUT 900)
    endif()
endif()
