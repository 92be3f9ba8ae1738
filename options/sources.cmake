list(APPEND TR_WIN32_SOURCES options/AdvancedOptions.cpp options/ChosenArchives.cpp options/ConsoleCommands.cpp options/CustomizeDialog.cpp)
