// The launcher's process-wide state: start-up texts, run settings, cursors and result codes.
#ifndef TUMBLERIDGE_LAUNCHERSTATE_H
#define TUMBLERIDGE_LAUNCHERSTATE_H

#include <windows.h>

#include <string>
#include <vector>

class RegistryStore;

// Codes with which the main dialog ends.
enum MainResult {
    MainResultQuit = 0,
    MainResultPlay = 1,
    MainResultSetup = 2,
    MainResultPlayMulti = 5,
};

// The eight "Disable" switches, in the order in which start-up reads and shutdown writes them.
enum DisableSwitch {
    DisableSound,
    DisableMusic,
    DisableMovies,
    DisableFog,
    DisableJoystick,
    DisableTripBuf,
    DisableCursor,
    DisableLoadscreen,
    DisableSwitchCount
};
extern const char* const disableSwitchNames[DisableSwitchCount];

const int startupTextCapacity = 256;

// Start-up texts, loaded once from the string table.
extern char captionText[startupTextCapacity];
extern char registryProductName[startupTextCapacity];
extern char discMarkerPath[startupTextCapacity];
extern char archiveStem[startupTextCapacity];
extern char setupProgramName[startupTextCapacity];
extern char pictureCountText[startupTextCapacity];
extern char engineWindowTitle[startupTextCapacity];
extern char languageName[startupTextCapacity];

// Run settings: loaded at start-up, changed in memory, written at shutdown.
extern DWORD displayWarned;
extern DWORD launcherRuns;
extern DWORD lastRandom;
extern DWORD disableSwitches[DisableSwitchCount];

extern char discRoot[4];               // "E:\" or empty
extern char chosenPictureName[32];     // "GAME1", ...

// The module whose resources the launcher uses (its own executable).
extern HINSTANCE launcherModule;

extern HCURSOR webHandCursor;
extern HCURSOR webClickCursor;
extern HCURSOR arrowCursor;

extern RegistryStore* theRegistryStore;

// The chosen add-on archive names, in the player's order.
extern std::vector<std::string> chosenArchives;

// Loads a string of the launcher's string table into a buffer; false (and an empty buffer) when missing.
bool LoadTableString(UINT id, char* buffer, int capacity);

#endif
