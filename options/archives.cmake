# The add-on archives: the "Rez Files" text and the set names (portable), the folder "Custom", the named sets,
# and the "CUSTOMIZE" dialog with the stored choice and the small dialog that names a set.
list(APPEND TR_PORTABLE_SOURCES options/ArchiveList.cpp options/AddonSetNames.cpp)
list(APPEND TR_WIN32_SOURCES options/AddonSets.cpp options/ChosenArchives.cpp options/CustomFolder.cpp
     options/CustomizeDialog.cpp options/SaveSetDialog.cpp)
