# The game disc: its search, the set-up program and shell targets, under simulated drives. The program is
# run case by case by run-with-drives.sh, which mounts the drives each case needs (drives.txt).
if(WIN32)
    set(disc_test_sources ${TR_ROOT}/tests/disc/DiscTests.cpp)
    tr_wine_test_program(disc_tests ${disc_test_sources} ${TR_ROOT}/tests/disc/StartRecord.cpp)
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        add_test(NAME wine.disc_tests
                 COMMAND bash ${TR_ROOT}/tests/disc/run-with-drives.sh $<TARGET_FILE:disc_tests>
                         ${TR_ROOT}/tests/disc/drives.txt ${TR_OUT}/standins/disc ${TR_OUT}/tests/work
                         ${disc_test_sources}
                 WORKING_DIRECTORY ${TR_OUT}/tests)
        set_tests_properties(wine.disc_tests PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 300)
    endif()
endif()
