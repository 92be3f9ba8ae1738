# The game disc: its search, the set-up program and shell targets, under simulated drives. The program is
# run case by case by run-with-drives.sh, which mounts the drives each case needs (drives.txt).
if(WIN32)
    set(disc_test_sources ${TR_ROOT}/tests/disc/DiscTests.cpp)
    add_executable(disc_tests ${disc_test_sources} ${TR_ROOT}/tests/disc/StartRecord.cpp
                   ${TR_ROOT}/tests/support/TestMain.cpp $<TARGET_OBJECTS:tr_resources>)
    target_link_libraries(disc_tests PRIVATE tr_core tr_testsupport)
    target_include_directories(disc_tests PRIVATE ${TR_ROOT} ${TR_ROOT}/tests/support ${TR_ROOT}/resources)
    target_compile_options(disc_tests PRIVATE ${TR_WARNINGS})
    set_target_properties(disc_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/tests)
    target_link_options(disc_tests PRIVATE -static -mconsole)
    add_dependencies(disc_tests tr_standins)
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        add_test(NAME wine.disc_tests
                 COMMAND bash ${TR_ROOT}/tests/disc/run-with-drives.sh $<TARGET_FILE:disc_tests>
                         ${TR_ROOT}/tests/disc/drives.txt ${TR_OUT}/standins/disc ${TR_OUT}/tests/work
                         ${disc_test_sources}
                 WORKING_DIRECTORY ${TR_OUT}/tests)
        set_tests_properties(wine.disc_tests PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 300)
    endif()
endif()
