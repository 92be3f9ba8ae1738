# The main window: portable readers natively, the Win32 side and the dialog under Wine, the picture tool,
# the independent-encoder checks and the fuzz targets of the picture readers.
tr_native_test(mainwindow_decode_tests tests/mainwindow/ImageDecodeTests.cpp tests/mainwindow/LinkZoneTests.cpp
               tests/mainwindow/PictureBuilders.cpp tests/support/AllocationLimit.cpp)

# The run-length scan the picture tests expect: the vector scan on x86, whose processors here all have SSE2.
# The 32-bit trees run the picture tests and the tool a second time on an emulated Pentium II (i686 without
# SSE2), where the word scan must be chosen and nothing may stop with an illegal instruction.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|i[3-6]86|AMD64|x86_64)$")
    set(tr_expected_scan TR_EXPECTED_RUN_SCAN=vector)
else()
    set(tr_expected_scan TR_EXPECTED_RUN_SCAN=word)
endif()
set(tr_pentium2 OFF)
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_CROSSCOMPILING_EMULATOR AND tr_expected_scan MATCHES "vector")
    set(tr_pentium2 ON)
endif()
if(NOT WIN32)
    set_tests_properties(native.mainwindow_decode_tests PROPERTIES ENVIRONMENT ${tr_expected_scan})
    if(tr_pentium2)
        add_test(NAME native.mainwindow_decode_tests.pentium2
                 COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} -cpu pentium2 $<TARGET_FILE:mainwindow_decode_tests>)
        set_tests_properties(native.mainwindow_decode_tests.pentium2 PROPERTIES LABELS native TIMEOUT 300
                             ENVIRONMENT TR_EXPECTED_RUN_SCAN=word)
    endif()
endif()

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
    # The tool's runs write their pictures into the shared folder: one run at a time.
    set_tests_properties(native.mainwindow_tumblepic_tests PROPERTIES FIXTURES_REQUIRED mainwindow_independent
                         RESOURCE_LOCK mainwindow_tumblepic_output LABELS native
                         ENVIRONMENT "TR_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
    if(tr_pentium2)
        add_test(NAME native.mainwindow_tumblepic_tests.pentium2
                 COMMAND sh ${TR_ROOT}/tests/mainwindow/independent/check_tool.sh $<TARGET_FILE:tumblepic> ${independent})
        set_tests_properties(native.mainwindow_tumblepic_tests.pentium2 PROPERTIES
                             FIXTURES_REQUIRED mainwindow_independent RESOURCE_LOCK mainwindow_tumblepic_output
                             LABELS native ENVIRONMENT "TR_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR} -cpu pentium2")
    endif()
endif()

tr_wine_test(mainwindow_image_tests tests/mainwindow/ImageTests.cpp tests/mainwindow/PictureBuilders.cpp
             tests/support/AllocationLimit.cpp)
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
    set_tests_properties(wine.mainwindow_image_tests PROPERTIES ENVIRONMENT ${tr_expected_scan})
    if(tr_pentium2)
        # The lane's emulator runs Wine's server and the program on that processor model (scripts/i686-wine.sh).
        add_test(NAME wine.mainwindow_image_tests.pentium2 COMMAND mainwindow_image_tests
                 WORKING_DIRECTORY ${TR_OUT}/tests)
        set_tests_properties(wine.mainwindow_image_tests.pentium2 PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 300
                             ENVIRONMENT "TR_QEMU_CPU=pentium2;TR_EXPECTED_RUN_SCAN=word")
    endif()
endif()
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
