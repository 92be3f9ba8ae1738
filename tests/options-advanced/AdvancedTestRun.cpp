// A launcher run as the advanced options see it.
#include "AdvancedTestRun.h"

#include <algorithm>
#include <cctype>

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

std::vector<int> TabOrder(HWND dialog)
{
    std::vector<int> ids;
    HWND first = GetNextDlgTabItem(dialog, NULL, FALSE);
    for (HWND control = first; control && ids.size() < 64;) {
        ids.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(dialog, control, FALSE);
        if (control == first) break;
    }
    return ids;
}

namespace {

BOOL CALLBACK CollectMnemonic(HWND control, LPARAM context)
{
    std::string* letters = reinterpret_cast<std::string*>(context);
    char text[256];
    text[0] = '\0';
    GetWindowTextA(control, text, sizeof text);
    for (const char* p = text; *p; ++p) {
        if (*p != '&') continue;
        if (p[1] == '&') {  // "&&" is a plain ampersand
            ++p;
            continue;
        }
        if (p[1]) letters->push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(p[1]))));
        break;
    }
    return TRUE;
}

}  // namespace

std::string MnemonicClashes(HWND dialog)
{
    std::string letters;
    EnumChildWindows(dialog, CollectMnemonic, reinterpret_cast<LPARAM>(&letters));
    std::string clashes;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (letters.find(letters[i]) != i && clashes.find(letters[i]) == std::string::npos) clashes += letters[i];
    }
    return clashes;
}
