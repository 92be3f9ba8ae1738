list(APPEND TR_WIN32_SOURCES display/DisplayDialog.cpp)
