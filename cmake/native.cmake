# The native build: the portable logic with AddressSanitizer and UndefinedBehaviorSanitizer, its tests,
# fuzz targets (clang, TR_FUZZ=ON) and command-line tools.
option(TR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
option(TR_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
set(TR_OUT ${CMAKE_BINARY_DIR})

if(TR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
if(TR_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

add_library(tr_portable STATIC ${TR_PORTABLE_SOURCES})
target_include_directories(tr_portable PUBLIC ${TR_ROOT} ${TR_ROOT}/resources)
target_compile_options(tr_portable PRIVATE ${TR_WARNINGS})

# A fuzz target over portable code: built only with TR_FUZZ; the test command runs each briefly.
function(tr_fuzz_target name)
    if(NOT TR_FUZZ)
        return()
    endif()
    cmake_parse_arguments(F "" "CORPUS;RUNS" "SOURCES" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE tr_portable)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    if(NOT F_RUNS)
        set(F_RUNS 20000)
    endif()
    add_test(NAME fuzz.${name} COMMAND ${name} -runs=${F_RUNS} -seed=1 ${F_CORPUS})
    set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()
