# The previews: the path and section-name text work (portable), the catalogues and their dialogs.
list(APPEND TR_PORTABLE_SOURCES previews/PreviewText.cpp)
list(APPEND TR_WIN32_SOURCES previews/PreviewItem.cpp previews/PreviewCatalogue.cpp previews/PreviewDialog.cpp)
