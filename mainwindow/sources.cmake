list(APPEND TR_PORTABLE_SOURCES mainwindow/ImageDecode.cpp mainwindow/LinkZones.cpp mainwindow/RunDecode.cpp
     mainwindow/RunDecodeSse2.cpp)
list(APPEND TR_WIN32_SOURCES
     mainwindow/DibImage.cpp mainwindow/ImageFiles.cpp mainwindow/ImagePalette.cpp mainwindow/ImageSet.cpp
     mainwindow/MainDialog.cpp)
# The 32-bit builds are for any i686 processor: only the SSE2 scan of the run-length loops is compiled for
# SSE2, and it runs where the processor has it (FastestRunScan). x86_64 has SSE2 in every processor.
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|i[3-6]86|AMD64|x86_64)$")
    set_source_files_properties(mainwindow/RunDecodeSse2.cpp PROPERTIES COMPILE_OPTIONS -msse2)
endif()
