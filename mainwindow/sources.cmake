list(APPEND TR_WIN32_SOURCES mainwindow/MainDialog.cpp)
