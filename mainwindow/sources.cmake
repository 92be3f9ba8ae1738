list(APPEND TR_PORTABLE_SOURCES mainwindow/ImageDecode.cpp mainwindow/LinkZones.cpp mainwindow/RunDecode.cpp)
list(APPEND TR_WIN32_SOURCES
     mainwindow/DibImage.cpp mainwindow/ImageFiles.cpp mainwindow/ImagePalette.cpp mainwindow/ImageSet.cpp
     mainwindow/MainDialog.cpp)
# The run-length loops take their SSE2 path on 32-bit x86 too (x86_64 has SSE2 in every processor); nothing
# else in the launcher needs more than the compiler's default instruction set.
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|i[3-6]86|AMD64|x86_64)$")
    set_source_files_properties(mainwindow/RunDecode.cpp PROPERTIES COMPILE_OPTIONS -msse2)
endif()
