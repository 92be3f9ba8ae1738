# Helpers that the subsystem, test and stand-in fragments use; each does nothing on a target it is not for.

set(TR_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)

# A natively built test of portable code (run with the sanitizers in the test command).
function(tr_native_test name)
    if(WIN32)
        return()
    endif()
    add_executable(${name} ${ARGN} ${TR_ROOT}/tests/support/TestMain.cpp)
    target_link_libraries(${name} PRIVATE tr_portable)
    target_include_directories(${name} PRIVATE ${TR_ROOT} ${TR_ROOT}/tests/support)
    target_compile_options(${name} PRIVATE ${TR_WARNINGS})
    add_test(NAME native.${name} COMMAND ${name})
    set_tests_properties(native.${name} PROPERTIES LABELS native TIMEOUT 300)
endfunction()

# A Windows test program linked with the launcher's code, its resources and the test kit.
function(tr_wine_test_program name)
    add_executable(${name} ${ARGN} ${TR_ROOT}/tests/support/TestMain.cpp $<TARGET_OBJECTS:tr_resources>)
    target_link_libraries(${name} PRIVATE tr_core tr_testsupport)
    target_include_directories(${name} PRIVATE ${TR_ROOT} ${TR_ROOT}/tests/support ${TR_ROOT}/resources)
    target_compile_options(${name} PRIVATE ${TR_WARNINGS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/tests)
    target_link_options(${name} PRIVATE -static -mconsole)
    add_dependencies(${name} tr_standins)
endfunction()

# A Windows test program run under wine64, one at a time: all Wine tests share one registry.
function(tr_wine_test name)
    if(NOT WIN32)
        return()
    endif()
    tr_wine_test_program(${name} ${ARGN})
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        add_test(NAME wine.${name} COMMAND ${name} WORKING_DIRECTORY ${TR_OUT}/tests)
        set_tests_properties(wine.${name} PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 300)
    endif()
endfunction()

# A stand-in program or library of ours, built into <build>/standins and never linked into the launcher.
function(tr_standin_exe target output_name)
    if(NOT WIN32)
        return()
    endif()
    add_executable(${target} ${ARGN})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name} SUFFIX ".EXE"
                          RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/standins)
    target_compile_options(${target} PRIVATE ${TR_WARNINGS})
    target_include_directories(${target} PRIVATE ${TR_ROOT})
    target_link_options(${target} PRIVATE -static)
    add_dependencies(tr_standins ${target})
endfunction()

function(tr_standin_dll target output_name suffix)
    if(NOT WIN32)
        return()
    endif()
    add_library(${target} SHARED ${ARGN})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name} PREFIX "" SUFFIX ${suffix}
                          RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/standins)
    target_compile_options(${target} PRIVATE ${TR_WARNINGS})
    target_include_directories(${target} PRIVATE ${TR_ROOT})
    target_link_options(${target} PRIVATE -static)
    add_dependencies(tr_standins ${target})
endfunction()

# Adds a file to the demo game folder (<build>/demo). SOURCE is a path or $<TARGET_FILE:...>.
function(tr_demo_file source destination)
    if(NOT WIN32)
        return()
    endif()
    set_property(GLOBAL APPEND PROPERTY TR_DEMO_COPIES "${source}|${destination}")
endfunction()
