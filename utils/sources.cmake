# One-concern helpers that every subsystem uses: joining paths (portable), existence tests and list-box rows.
list(APPEND TR_PORTABLE_SOURCES utils/PathJoin.cpp)
list(APPEND TR_WIN32_SOURCES utils/FileExists.cpp utils/ListBoxRows.cpp)
