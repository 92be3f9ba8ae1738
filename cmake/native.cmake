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

# A fuzz target over portable code: built only with TR_FUZZ; the test command runs each briefly. Its seeds
# are the files in fuzz-seeds/<name>/ beside the fragment that declares it (tests/<area>/fuzz-seeds/<name>/),
# which scripts/fuzz.sh starts its longer runs from as well. With TR_SEED_REPLAY (the 32-bit tree) the seeds
# are fed once through the target's entry function instead.
function(tr_fuzz_target name)
    if(NOT TR_FUZZ AND NOT TR_SEED_REPLAY)
        return()
    endif()
    cmake_parse_arguments(F "" "RUNS" "SOURCES" ${ARGN})
    set(seeds ${CMAKE_CURRENT_LIST_DIR}/fuzz-seeds/${name})
    file(GLOB seed_files ${seeds}/*)
    if(NOT seed_files)
        message(FATAL_ERROR "fuzz target ${name} has no seeds in ${seeds}")
    endif()
    if(TR_SEED_REPLAY)
        tr_seed_replay(${name} ${seeds} ${F_SOURCES})
        return()
    endif()
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE tr_portable)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    if(NOT F_RUNS)
        set(F_RUNS 20000)
    endif()
    # libFuzzer adds what it finds to its first corpus folder: give it a copy of the seeds in the build tree.
    set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
    add_test(NAME fuzz.${name} COMMAND bash -c "rm -rf '${work}' && mkdir -p '${work}' && cp -r '${seeds}/.' '${work}/' && exec \"$0\" -runs=${F_RUNS} -seed=1 '${work}'" $<TARGET_FILE:${name}>)
    set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()

# Where libFuzzer does not run (the 32-bit tree): the target's entry function fed every seed file once.
function(tr_seed_replay name corpus)
    add_executable(${name}_seeds ${ARGN} ${TR_ROOT}/tests/support/SeedReplay.cpp)
    target_link_libraries(${name}_seeds PRIVATE tr_portable)
    target_include_directories(${name}_seeds PRIVATE ${TR_ROOT} ${TR_ROOT}/tests/support)
    add_test(NAME seeds.${name} COMMAND ${name}_seeds ${corpus})
    set_tests_properties(seeds.${name} PROPERTIES LABELS native TIMEOUT 300)
endfunction()
