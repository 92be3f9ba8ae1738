tr_native_test(sound_logic_tests tests/sound/SoundLogicTests.cpp)
tr_wine_test(sound_query_tests tests/sound/ProviderQueryTests.cpp tests/sound/SoundMachine.cpp)
tr_wine_test(sound_dialog_tests tests/sound/SoundDialogTests.cpp tests/sound/SoundMachine.cpp)

tr_fuzz_target(sound_sample_count_fuzz SOURCES ${TR_ROOT}/tests/sound/SampleCountFuzz.cpp RUNS 20000)
