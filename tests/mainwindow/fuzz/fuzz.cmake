# libFuzzer targets of the picture readers (native clang build with TR_FUZZ), each with its seed corpus.
foreach(format Pcx Pid Rid BitmapFile)
    string(TOLOWER ${format} folder)
    if(folder STREQUAL "bitmapfile")
        set(folder bmp)
    endif()
    tr_fuzz_target(fuzz_mainwindow_${folder} SOURCES ${TR_ROOT}/tests/mainwindow/fuzz/Fuzz${format}.cpp
                   CORPUS ${TR_ROOT}/tests/mainwindow/fuzz/corpus/${folder} RUNS 100000)
    if(TARGET fuzz_mainwindow_${folder})
        target_include_directories(fuzz_mainwindow_${folder} PRIVATE ${TR_ROOT}/tests/mainwindow/fuzz
                                   ${TR_ROOT}/tests/mainwindow)
    endif()
endforeach()
