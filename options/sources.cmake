# The advanced options and help dialogs, and the add-on archives, list their sources apart.
include(${TR_ROOT}/options/advanced.cmake)
include(${TR_ROOT}/options/archives.cmake)
