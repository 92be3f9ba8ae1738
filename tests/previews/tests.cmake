# The preview catalogues: their text work natively (with a fuzz target), the catalogues and dialogs under Wine.
tr_native_test(preview_text_tests tests/previews/PreviewTextTests.cpp)
tr_fuzz_target(preview_text_fuzz SOURCES ${TR_ROOT}/tests/previews/PreviewTextFuzz.cpp RUNS 20000)
tr_wine_test(preview_tests tests/previews/PreviewCatalogueTests.cpp tests/disc/StartRecord.cpp)
