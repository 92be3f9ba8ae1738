// A launcher run as the advanced options see it.
#include "AdvancedTestRun.h"

#include <algorithm>

#include "DialogDriver.h"
#include "TestRegistry.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "options/ConsoleCommands.h"
#include "options/HelpDialogs.h"

void StartRun()
{
    CloseTestStore();
    restoreDefaults = 0;
    saveCommands = 1;
    commandText[0] = '\0';
    lastHelpSelection = 0;
    OpenTestStore();
    for (int i = 0; i < DisableSwitchCount; ++i)
        disableSwitches[i] = theRegistryStore->ReadDword(disableSwitchNames[i], 0);
    LoadConsoleCommands();
}

FreshMachine::FreshMachine()
{
    ClearLauncherSettings();
    StartRun();
}

FreshMachine::~FreshMachine()
{
    CloseTestStore();
}

std::vector<std::string> SettingNames()
{
    std::vector<std::string> names;
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumValueA(key, index, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    RegCloseKey(key);
    std::sort(names.begin(), names.end());
    return names;
}

std::string TableTextWithBreaks(UINT id)
{
    std::string text = TableString(id);
    std::string result;
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}
