# The main window: portable readers natively, the Win32 side and the dialog under Wine, the picture tool,
# the independent-encoder checks and the fuzz targets of the picture readers.
tr_native_test(mainwindow_decode_tests tests/mainwindow/ImageDecodeTests.cpp tests/mainwindow/LinkZoneTests.cpp
               tests/mainwindow/PictureBuilders.cpp tests/support/AllocationLimit.cpp)

if(NOT WIN32)
    # ImageMagick writes the independent files once per run; the reader and tool checks use them.
    set(independent ${TR_OUT}/tests/work/independent)
    add_test(NAME native.mainwindow_independent_files
             COMMAND sh ${TR_ROOT}/tests/mainwindow/independent/make_files.sh ${independent})
    set_tests_properties(native.mainwindow_independent_files PROPERTIES FIXTURES_SETUP mainwindow_independent
                         LABELS native)
    tr_native_test(mainwindow_independent_tests tests/mainwindow/IndependentFileTests.cpp
                   tests/mainwindow/PictureBuilders.cpp)
    set_tests_properties(native.mainwindow_independent_tests PROPERTIES FIXTURES_REQUIRED mainwindow_independent
                         ENVIRONMENT TR_INDEPENDENT_FILES=${independent})
    add_test(NAME native.mainwindow_tumblepic_tests
             COMMAND sh ${TR_ROOT}/tests/mainwindow/independent/check_tool.sh $<TARGET_FILE:tumblepic> ${independent})
    set_tests_properties(native.mainwindow_tumblepic_tests PROPERTIES FIXTURES_REQUIRED mainwindow_independent
                         LABELS native ENVIRONMENT "TR_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
endif()

tr_wine_test(mainwindow_image_tests tests/mainwindow/ImageTests.cpp tests/mainwindow/PictureBuilders.cpp
             tests/support/AllocationLimit.cpp)
tr_wine_test(mainwindow_dialog_tests tests/mainwindow/MainDialogTests.cpp)
tr_wine_test(mainwindow_end_to_end_tests tests/mainwindow/MainWindowEndToEndTests.cpp tests/disc/StartRecord.cpp)

# One fuzz target per picture reader: the target's format, then the reader's source.
foreach(entry pcx:Pcx pid:Pid rid:Rid bmp:BitmapFile)
    string(REPLACE ":" ";" parts ${entry})
    list(GET parts 0 format)
    list(GET parts 1 reader)
    tr_fuzz_target(fuzz_mainwindow_${format} SOURCES ${TR_ROOT}/tests/mainwindow/fuzz/Fuzz${reader}.cpp RUNS 100000)
    foreach(target fuzz_mainwindow_${format} fuzz_mainwindow_${format}_seeds)
        if(TARGET ${target})
            target_include_directories(${target} PRIVATE ${TR_ROOT}/tests/mainwindow/fuzz ${TR_ROOT}/tests/mainwindow)
        endif()
    endforeach()
endforeach()

if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    # The Windows build of the tool reads the launcher's own picture file.
    add_test(NAME wine.mainwindow_tumblepic_info COMMAND tumblepic --info ${TR_ROOT}/resources/art/game1.bmp)
    set_tests_properties(wine.mainwindow_tumblepic_info PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 60
                         PASS_REGULAR_EXPRESSION "^320 240 8")
endif()
