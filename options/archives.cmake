# The add-on archives: the "Rez Files" text (portable), the folder "Custom" and the "CUSTOMIZE" dialog with
# the stored choice.
list(APPEND TR_PORTABLE_SOURCES options/ArchiveList.cpp)
list(APPEND TR_WIN32_SOURCES options/ChosenArchives.cpp options/CustomFolder.cpp options/CustomizeDialog.cpp)
