# Display configuration: the catalogue and the saved choice natively (with the sanitizers), the plug-in
# scan and the "DISPLAY" dialog under Wine against the stand-in plug-ins.
tr_native_test(display_logic_tests tests/display/CatalogueTests.cpp tests/display/SavedChoiceTests.cpp)
tr_fuzz_target(display_saved_choice_fuzz SOURCES tests/display/SavedChoiceFuzz.cpp RUNS 20000)
tr_wine_test(display_scan_tests tests/display/RendererScanTests.cpp tests/display/DisplayTestSupport.cpp)
tr_wine_test(display_dialog_tests tests/display/DisplayDialogTests.cpp tests/display/DisplayTestSupport.cpp)
tr_wine_test(display_end_to_end_tests tests/display/DisplayEndToEndTests.cpp)

