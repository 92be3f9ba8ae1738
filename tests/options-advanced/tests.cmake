tr_native_test(options_linebreak_tests tests/options-advanced/LineBreaksTests.cpp)
tr_wine_test(options_advanced_tests tests/options-advanced/AdvancedDialogTests.cpp
             tests/options-advanced/HelpDialogTests.cpp tests/options-advanced/AdvancedTestRun.cpp
             tests/sound/SoundMachine.cpp)
tr_wine_test(options_advanced_end_to_end_tests tests/options-advanced/AdvancedEndToEndTests.cpp)

# Without a window manager Wine waits two seconds for every managed window that closes, and the dialog tests
# open dozens; only this program's windows are made unmanaged (the key is per program).
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME wine.options_advanced_tests_unmanaged
             COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add
                     "HKCU\\Software\\Wine\\AppDefaults\\options_advanced_tests.exe\\X11 Driver" /v Managed /d N /f)
    set_tests_properties(wine.options_advanced_tests_unmanaged PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 60
                         FIXTURES_SETUP options_advanced_tests_unmanaged)
    set_tests_properties(wine.options_advanced_tests PROPERTIES FIXTURES_REQUIRED options_advanced_tests_unmanaged)
endif()
tr_fuzz_target(options_linebreak_fuzz SOURCES ${TR_ROOT}/tests/options-advanced/LineBreaksFuzz.cpp RUNS 20000)
