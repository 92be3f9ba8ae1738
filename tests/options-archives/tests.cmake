tr_native_test(options_archive_list_tests tests/options-archives/ArchiveListTests.cpp)
tr_fuzz_target(options_archive_list_fuzz SOURCES ${TR_ROOT}/tests/options-archives/ArchiveListFuzz.cpp RUNS 20000)
tr_wine_test(options_archives_tests tests/options-archives/ChosenArchivesTests.cpp
             tests/options-archives/CustomizeDialogTests.cpp)

# Without a window manager Wine waits two seconds for every managed window that closes; this program's
# windows are made unmanaged (the key is per program, so no other program is touched).
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME wine.options_archives_tests_unmanaged
             COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add
                     "HKCU\\Software\\Wine\\AppDefaults\\options_archives_tests.exe\\X11 Driver" /v Managed /d N /f)
    set_tests_properties(wine.options_archives_tests_unmanaged PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 60
                         FIXTURES_SETUP options_archives_tests_unmanaged)
    set_tests_properties(wine.options_archives_tests PROPERTIES FIXTURES_REQUIRED options_archives_tests_unmanaged)
endif()
