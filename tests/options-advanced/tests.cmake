tr_native_test(options_linebreak_tests tests/options-advanced/LineBreaksTests.cpp)
tr_wine_test(options_advanced_tests tests/options-advanced/AdvancedDialogTests.cpp
             tests/options-advanced/HelpDialogTests.cpp tests/options-advanced/AdvancedTestRun.cpp)
tr_wine_test(options_advanced_end_to_end_tests tests/options-advanced/AdvancedEndToEndTests.cpp)
