// The one-time build of the display catalogue: scan, default modes, then the saved choice.
#ifndef TUMBLERIDGE_CATALOGUEBUILD_H
#define TUMBLERIDGE_CATALOGUEBUILD_H

class DisplayCatalogue;

// Scans the folder (empty: the current folder) under the wait cursor, gives every device its default
// mode, then preselects what the saved-choice file names (a saved mode that matches replaces the
// default). Always 1: a missing plug-in or file only leaves less to choose from.
int BuildCatalogue(DisplayCatalogue* catalogue, const char* folder, const char* savedChoiceFile);

#endif
