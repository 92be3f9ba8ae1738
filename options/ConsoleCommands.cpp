// The engine console commands typed by the player and whether they are kept between runs.
#include "options/ConsoleCommands.h"

#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"

DWORD saveCommands = 1;
char commandText[commandTextCapacity];
DWORD restoreDefaults = 0;

void LoadConsoleCommands()
{
    if (!theRegistryStore) return;
    saveCommands = theRegistryStore->ReadDword("Save Commands", 1);
    if (!saveCommands) return;
    // Read with room for the longest text OK stores, so a text of 254 characters comes back whole.
    char text[commandTextCapacity];
    text[0] = '\0';
    DWORD size = sizeof text;
    if (theRegistryStore->ReadString("Commands", text, &size, nullptr))
        lstrcpynA(commandText, text, sizeof commandText);
    else
        commandText[0] = '\0';
}

void StoreConsoleCommands(bool keepText)
{
    saveCommands = keepText ? 1 : 0;
    if (!theRegistryStore) return;
    // A failed write leaves the old value; the player is not told.
    theRegistryStore->WriteDword("Save Commands", saveCommands);
    if (saveCommands) theRegistryStore->WriteString("Commands", commandText);
}
