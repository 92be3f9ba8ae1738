tr_native_test(sound_logic_tests tests/sound/SoundLogicTests.cpp)
tr_wine_test(sound_query_tests tests/sound/ProviderQueryTests.cpp tests/sound/SoundMachine.cpp)
tr_wine_test(sound_dialog_tests tests/sound/SoundDialogTests.cpp tests/sound/SoundMachine.cpp)

# Without a window manager, Wine waits two seconds for every managed window that closes; these programs open
# dozens of dialogs, so their windows are made unmanaged (only theirs: the key is per program).
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    foreach(program sound_query_tests sound_dialog_tests)
        add_test(NAME wine.${program}_unmanaged
                 COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add
                         "HKCU\\Software\\Wine\\AppDefaults\\${program}.exe\\X11 Driver" /v Managed /d N /f)
        set_tests_properties(wine.${program}_unmanaged PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 60
                             FIXTURES_SETUP ${program}_unmanaged)
        set_tests_properties(wine.${program} PROPERTIES FIXTURES_REQUIRED ${program}_unmanaged)
    endforeach()
endif()
tr_fuzz_target(sound_sample_count_fuzz SOURCES ${TR_ROOT}/tests/sound/SampleCountFuzz.cpp RUNS 20000)
