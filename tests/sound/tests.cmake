tr_native_test(sound_logic_tests tests/sound/SoundLogicTests.cpp)
tr_wine_test(sound_query_tests tests/sound/ProviderQueryTests.cpp tests/sound/SoundMachine.cpp)
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    # The query again against a library exporting only one kind of names: 32-bit builds of the library
    # may export only the __stdcall-decorated _name@bytes ones, which 64-bit code never has.
    set(export_kinds plain)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        list(APPEND export_kinds decorated)
    endif()
    foreach(kind ${export_kinds})
        add_test(NAME wine.sound_query_tests.${kind}_names COMMAND sound_query_tests WORKING_DIRECTORY ${TR_OUT}/tests)
        set_tests_properties(wine.sound_query_tests.${kind}_names PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 300
                             ENVIRONMENT TR_MSS32=mss32_${kind}.dll)
    endforeach()
endif()
tr_wine_test(sound_dialog_tests tests/sound/SoundDialogTests.cpp tests/sound/SoundMachine.cpp)

tr_fuzz_target(sound_sample_count_fuzz SOURCES ${TR_ROOT}/tests/sound/SampleCountFuzz.cpp RUNS 20000)
