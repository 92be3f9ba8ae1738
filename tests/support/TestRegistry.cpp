// The launcher's settings key as tests see it.
#include "TestRegistry.h"

#include <shlwapi.h>

#include "launcher/LauncherMain.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"

const char* const settingsKeyPath = "Software\\Harrowmark\\Tumbleridge\\1.0";

namespace {

// The settings key, or the key below it when subKey is given.
std::string SettingsPath(const char* subKey)
{
    return subKey ? std::string(settingsKeyPath) + "\\" + subKey : std::string(settingsKeyPath);
}

HKEY OpenSettings(REGSAM access, const char* subKey = NULL)
{
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingsPath(subKey).c_str(), 0, access, &key) != ERROR_SUCCESS) return NULL;
    return key;
}

HKEY CreateSettings(const char* subKey)
{
    HKEY key = NULL;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, SettingsPath(subKey).c_str(), 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &key,
                    NULL);
    return key;
}

}  // namespace

void ClearLauncherSettings() { SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Harrowmark"); }

DWORD SettingType(const char* name)
{
    HKEY key = OpenSettings(KEY_READ);
    if (!key) return REG_NONE;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, name, NULL, &type, NULL, NULL) != ERROR_SUCCESS) type = REG_NONE;
    RegCloseKey(key);
    return type;
}

bool SettingExists(const char* name) { return SettingType(name) != REG_NONE; }

bool ReadSettingDword(const char* name, DWORD* value)
{
    HKEY key = OpenSettings(KEY_READ);
    if (!key) return false;
    DWORD type = 0;
    DWORD size = sizeof *value;
    LONG result = RegQueryValueExA(key, name, NULL, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD;
}

DWORD SettingDword(const char* name, DWORD whenMissing)
{
    DWORD value = 0;
    return ReadSettingDword(name, &value) ? value : whenMissing;
}

bool ReadSettingString(const char* name, std::string* value, const char* subKey)
{
    HKEY key = OpenSettings(KEY_READ, subKey);
    if (!key) return false;
    DWORD type = 0;
    DWORD size = 0;
    bool ok = RegQueryValueExA(key, name, NULL, &type, NULL, &size) == ERROR_SUCCESS && type == REG_SZ;
    if (ok) {
        std::string text(size + 1, '\0');
        ok = RegQueryValueExA(key, name, NULL, &type, reinterpret_cast<BYTE*>(&text[0]), &size) == ERROR_SUCCESS;
        text.resize(lstrlenA(text.c_str()));
        *value = text;
    }
    RegCloseKey(key);
    return ok;
}

std::string SettingString(const char* name, const char* subKey)
{
    std::string value;
    return ReadSettingString(name, &value, subKey) ? value : "(missing)";
}

std::vector<std::string> SettingNames(const char* subKey)
{
    std::vector<std::string> names;
    HKEY key = OpenSettings(KEY_READ, subKey);
    if (!key) return names;
    char name[16384];
    DWORD length = sizeof name;
    for (DWORD index = 0; RegEnumValueA(key, index, name, &length, NULL, NULL, NULL, NULL) == ERROR_SUCCESS; ++index) {
        names.push_back(std::string(name, length));
        length = sizeof name;
    }
    RegCloseKey(key);
    return names;
}

void WriteSettingRaw(const char* name, DWORD type, const void* data, DWORD size, const char* subKey)
{
    HKEY key = CreateSettings(subKey);
    if (!key) return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void WriteSettingDword(const char* name, DWORD value) { WriteSettingRaw(name, REG_DWORD, &value, sizeof value); }

void WriteSettingString(const char* name, const std::string& value, const char* subKey)
{
    WriteSettingRaw(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1), subKey);
}

void OpenTestStore()
{
    CloseTestStore();
    launcherModule = GetModuleHandleA(NULL);
    LoadStartupTexts();
    theRegistryStore = new RegistryStore();
    theRegistryStore->Open("Harrowmark", registryProductName, "1.0", NULL, HKEY_LOCAL_MACHINE, NULL);
}

void CloseTestStore()
{
    if (!theRegistryStore) return;
    theRegistryStore->Close();
    delete theRegistryStore;
    theRegistryStore = NULL;
}
