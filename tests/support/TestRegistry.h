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
bool ReadSettingString(const char* name, std::string* value, const char* subKey = NULL);
// The texts and the writes also reach a key below the settings key (such as "Add-on Sets") by its name.
std::string SettingString(const char* name, const char* subKey = NULL);  // "(missing)" when missing or not a text
std::vector<std::string> SettingNames(const char* subKey);              // of every type, in the registry's order
void WriteSettingDword(const char* name, DWORD value);
void WriteSettingString(const char* name, const std::string& value, const char* subKey = NULL);
void WriteSettingRaw(const char* name, DWORD type, const void* data, DWORD size, const char* subKey = NULL);

// Opens theRegistryStore as start-up does (and loads the start-up texts); CloseTestStore frees it.
void OpenTestStore();
void CloseTestStore();

#endif
