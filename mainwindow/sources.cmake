list(APPEND TR_PORTABLE_SOURCES mainwindow/ImageDecode.cpp mainwindow/LinkZones.cpp)
list(APPEND TR_WIN32_SOURCES
     mainwindow/DibImage.cpp mainwindow/ImageFiles.cpp mainwindow/ImagePalette.cpp mainwindow/ImageSet.cpp
     mainwindow/MainDialog.cpp)
