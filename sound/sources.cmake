list(APPEND TR_PORTABLE_SOURCES sound/ProviderKinds.cpp sound/ProviderList.cpp sound/SampleCount.cpp)
list(APPEND TR_WIN32_SOURCES sound/SoundDialog.cpp sound/SoundSettings.cpp sound/SoundLibrary.cpp sound/ProviderName.cpp
     sound/ProviderQuery.cpp)
