// The launcher's settings key as tests see it: clean it, read and prepare values directly.
#ifndef TUMBLERIDGE_TESTREGISTRY_H
#define TUMBLERIDGE_TESTREGISTRY_H

#include <windows.h>

#include <string>
#include <vector>

// HKLM\Software\Harrowmark\Tumbleridge\1.0
extern const char* const settingsKeyPath;

void ClearLauncherSettings();   // deletes HKLM\Software\Harrowmark with everything below it
bool SettingExists(const char* name);
DWORD SettingType(const char* name);                 // REG_NONE when missing
bool ReadSettingDword(const char* name, DWORD* value);
DWORD SettingDword(const char* name, DWORD whenMissing);
bool ReadSettingString(const char* name, std::string* value);
std::string SettingString(const char* name);        // "(missing)" when missing or not a text
void WriteSettingDword(const char* name, DWORD value);
void WriteSettingString(const char* name, const std::string& value);
void WriteSettingRaw(const char* name, DWORD type, const void* data, DWORD size);

// The same for the values of a key below the settings key (such as "Add-on Sets"); names in the registry's
// order, every type.
std::vector<std::string> SubKeySettingNames(const char* subKey);
std::string SubKeySettingString(const char* subKey, const char* name);
void WriteSubKeySettingRaw(const char* subKey, const char* name, DWORD type, const void* data, DWORD size);
void WriteSubKeySettingString(const char* subKey, const char* name, const std::string& value);

// Opens theRegistryStore as start-up does (and loads the start-up texts); CloseTestStore frees it.
void OpenTestStore();
void CloseTestStore();

#endif
