tr_native_test(options_archive_list_tests tests/options-archives/ArchiveListTests.cpp
               tests/options-archives/AddonSetNamesTests.cpp)
tr_fuzz_target(options_archive_list_fuzz SOURCES ${TR_ROOT}/tests/options-archives/ArchiveListFuzz.cpp RUNS 20000)
tr_wine_test(options_archives_tests tests/options-archives/ChosenArchivesTests.cpp
             tests/options-archives/CustomizeDialogTests.cpp)
