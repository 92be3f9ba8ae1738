tr_native_test(options_linebreak_tests tests/options-advanced/LineBreaksTests.cpp)
tr_wine_test(options_advanced_tests tests/options-advanced/AdvancedDialogTests.cpp
             tests/options-advanced/HelpDialogTests.cpp tests/options-advanced/AdvancedTestRun.cpp
             tests/sound/SoundMachine.cpp)
tr_wine_test(options_advanced_end_to_end_tests tests/options-advanced/AdvancedEndToEndTests.cpp)

tr_fuzz_target(options_linebreak_fuzz SOURCES ${TR_ROOT}/tests/options-advanced/LineBreaksFuzz.cpp RUNS 20000)
