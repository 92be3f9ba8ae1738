list(APPEND TR_PORTABLE_SOURCES launcher/CommandLine.cpp launcher/PictureChoice.cpp)
list(APPEND TR_WIN32_SOURCES
     launcher/ArchiveLocation.cpp launcher/DialogIcon.cpp launcher/EngineLaunch.cpp launcher/GameDisc.cpp launcher/InstanceCheck.cpp
     launcher/LauncherMain.cpp launcher/LauncherMessages.cpp launcher/LauncherState.cpp launcher/RegistryStore.cpp
     launcher/ShellTargets.cpp launcher/SystemLibraries.cpp)
