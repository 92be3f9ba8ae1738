list(APPEND TR_WIN32_SOURCES options/ChosenArchives.cpp options/CustomizeDialog.cpp)
