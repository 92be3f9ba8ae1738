list(APPEND TR_WIN32_SOURCES previews/PreviewDialog.cpp)
