# One-concern helpers that every subsystem uses: walking ANSI texts by character and joining paths (portable),
# the ANSI code page's lead bytes, existence tests and list-box rows.
list(APPEND TR_PORTABLE_SOURCES utils/CharacterWalk.cpp utils/LeadBytes.cpp utils/PathJoin.cpp)
list(APPEND TR_WIN32_SOURCES utils/AnsiCodePage.cpp utils/FileExists.cpp utils/ListBoxRows.cpp)
# The processor's features: the portable readers ask through a header without windows.h, and the picture tool
# links the portable library alone, so the Windows answer is built into that library in the Windows builds.
if(WIN32)
    list(APPEND TR_PORTABLE_SOURCES utils/ProcessorFeaturesWin32.cpp)
else()
    list(APPEND TR_PORTABLE_SOURCES utils/ProcessorFeatures.cpp)
endif()
