list(APPEND TR_WIN32_SOURCES options/AdvancedOptions.cpp options/ConsoleCommands.cpp)
