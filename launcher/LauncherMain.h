// The launcher's run: start-up, the main loop and shutdown.
#ifndef TUMBLERIDGE_LAUNCHERMAIN_H
#define TUMBLERIDGE_LAUNCHERMAIN_H

#include <windows.h>

// Runs the launcher. arguments is the command line after the program's name. 0 when start-up refused to
// go on (another launcher or the engine runs, or the settings key cannot be opened), 1 after the main loop.
int LauncherMain(HINSTANCE instance, const char* arguments);

// Loads the start-up texts (caption, product name, disc marker, ...) from launcherModule's string table.
void LoadStartupTexts();

#endif
