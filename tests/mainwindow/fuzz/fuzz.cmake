# libFuzzer targets of the picture readers (native clang build with TR_FUZZ). The seeds are copied into the
# build tree, since libFuzzer adds the inputs it finds to the corpus folder it is given.
foreach(format Pcx Pid Rid BitmapFile)
    string(TOLOWER ${format} folder)
    if(folder STREQUAL "bitmapfile")
        set(folder bmp)
    endif()
    set(corpus ${TR_OUT}/fuzz-corpus/mainwindow/${folder})
    if(TR_FUZZ AND NOT EXISTS ${corpus})
        file(COPY ${TR_ROOT}/tests/mainwindow/fuzz/corpus/${folder} DESTINATION ${TR_OUT}/fuzz-corpus/mainwindow)
    endif()
    tr_fuzz_target(fuzz_mainwindow_${folder} SOURCES ${TR_ROOT}/tests/mainwindow/fuzz/Fuzz${format}.cpp
                   CORPUS ${corpus} RUNS 100000)
    if(TARGET fuzz_mainwindow_${folder})
        target_include_directories(fuzz_mainwindow_${folder} PRIVATE ${TR_ROOT}/tests/mainwindow/fuzz)
    endif()
endforeach()
