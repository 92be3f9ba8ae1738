list(APPEND TR_WIN32_SOURCES sound/SoundDialog.cpp sound/SoundSettings.cpp)
