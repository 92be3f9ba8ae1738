# The built launcher as players get it: imports, manifest and version texts in both Windows trees, and the
# release package (built by the release command) in the 32-bit tree.
if(WIN32)
    add_test(NAME exe.check COMMAND bash ${TR_ROOT}/tests/release/check-exe.sh $<TARGET_FILE:Tumbleridge>
             ${CMAKE_OBJDUMP})
    set_tests_properties(exe.check PROPERTIES LABELS release)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
        add_test(NAME release.package COMMAND bash ${TR_ROOT}/tests/release/release-package.sh
                 ${CMAKE_BINARY_DIR}/release-scratch)
        set_tests_properties(release.package PROPERTIES LABELS release TIMEOUT 900)
    endif()
endif()
