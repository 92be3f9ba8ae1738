# The advanced options, the console commands, and the option help and video-card notes dialogs.
list(APPEND TR_PORTABLE_SOURCES options/LineBreaks.cpp)
list(APPEND TR_WIN32_SOURCES
     options/AdvancedOptions.cpp options/ConsoleCommands.cpp options/HelpDialogs.cpp)
