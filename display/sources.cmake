list(APPEND TR_PORTABLE_SOURCES display/DisplayCatalogue.cpp display/SavedChoice.cpp)
list(APPEND TR_WIN32_SOURCES display/CatalogueBuild.cpp display/DisplayDialog.cpp display/RendererScan.cpp
     display/SavedChoiceFile.cpp)
