# Display configuration: the catalogue and the saved choice natively (with the sanitizers), the plug-in
# scan and the "DISPLAY" dialog under Wine against the stand-in plug-ins.
tr_native_test(display_logic_tests tests/display/CatalogueTests.cpp tests/display/SavedChoiceTests.cpp)
tr_fuzz_target(display_saved_choice_fuzz SOURCES tests/display/SavedChoiceFuzz.cpp
               CORPUS ${TR_ROOT}/tests/display/corpus RUNS 20000)
tr_wine_test(display_scan_tests tests/display/RendererScanTests.cpp tests/display/DisplayTestSupport.cpp)
tr_wine_test(display_dialog_tests tests/display/DisplayDialogTests.cpp tests/display/DisplayTestSupport.cpp)
tr_wine_test(display_end_to_end_tests tests/display/DisplayEndToEndTests.cpp)

# Without a window manager Wine waits two seconds for every managed window that closes; the dialog test
# program's windows are made unmanaged (the key is per program, so no other program is touched).
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME wine.display_dialog_tests_unmanaged
             COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add
                     "HKCU\\Software\\Wine\\AppDefaults\\display_dialog_tests.exe\\X11 Driver" /v Managed /d N /f)
    set_tests_properties(wine.display_dialog_tests_unmanaged PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 60
                         FIXTURES_SETUP display_dialog_tests_unmanaged)
    set_tests_properties(wine.display_dialog_tests PROPERTIES FIXTURES_REQUIRED display_dialog_tests_unmanaged)
endif()
