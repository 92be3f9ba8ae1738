// Definitions of the launcher's process-wide state.
#include "launcher/LauncherState.h"

const char* const disableSwitchNames[DisableSwitchCount] = {
    "Disable Sound",    "Disable Music",   "Disable Movies", "Disable Fog",
    "Disable Joystick", "Disable TripBuf", "Disable Cursor", "Disable Loadscreen",
};

char captionText[startupTextCapacity];
char registryProductName[startupTextCapacity];
char discMarkerPath[startupTextCapacity];
char archiveStem[startupTextCapacity];
char setupProgramName[startupTextCapacity];
char pictureCountText[startupTextCapacity];
char engineWindowTitle[startupTextCapacity];
char languageName[startupTextCapacity];

DWORD displayWarned = 0;
DWORD launcherRuns = 0;
DWORD lastRandom = 1;
DWORD disableSwitches[DisableSwitchCount];

char discRoot[4];
char chosenPictureName[32] = "GAME";

HINSTANCE launcherModule = GetModuleHandleA(nullptr);

HCURSOR webHandCursor;
HCURSOR webClickCursor;
HCURSOR arrowCursor;

RegistryStore* theRegistryStore;

std::vector<std::string> chosenArchives;

bool LoadTableString(UINT id, char* buffer, int capacity)
{
    if (!buffer || capacity <= 0) return false;
    buffer[0] = '\0';
    return LoadStringA(launcherModule, id, buffer, capacity) > 0;
}
