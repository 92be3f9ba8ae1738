// The settings store: one registry key chain, 32-bit numbers and texts read with defaults.
#ifndef TUMBLERIDGE_REGISTRYSTORE_H
#define TUMBLERIDGE_REGISTRYSTORE_H

#include <windows.h>

#include <string>
#include <vector>

class RegistryStore {
public:
    RegistryStore();
    ~RegistryStore();

    // Opens (creating where missing) root\top\company\product\version[\subKey]; true when all is open.
    BOOL Open(const char* company, const char* product, const char* version, const char* subKey, HKEY root,
              const char* topKey);
    void Close();

    // The stored REG_DWORD, or the default for a missing value or one of another type or size.
    DWORD ReadDword(const char* name, DWORD defaultValue);
    // Reads a REG_SZ into buffer (capacity *size bytes). On success returns buffer, always NUL-terminated,
    // with *size the bytes stored. Otherwise copies the default (cut to the capacity) and sets *size to its
    // length, or, without a default, sets *size to 0 and returns null.
    char* ReadString(const char* name, char* buffer, DWORD* size, const char* defaultText);
    BOOL WriteDword(const char* name, DWORD value);
    BOOL WriteString(const char* name, const char* text);

    // Values of a key below the current key, for settings kept as a group of values of any names. The key
    // is opened for each call; the first write creates it, and a read of a key that is missing answers as
    // for a missing value.
    char* ReadSubKeyString(const char* subKey, const char* name, char* buffer, DWORD* size, const char* defaultText);
    BOOL WriteSubKeyString(const char* subKey, const char* name, const char* text);
    BOOL SubKeyValueExists(const char* subKey, const char* name);  // of any type
    BOOL DeleteSubKeyValue(const char* subKey, const char* name);  // true when it is gone, or was never there
    // The names of the key's values of every type in the registry's order, at most 255 characters each
    // (longer ones, and the key's unnamed value, are left out); empty when the key is missing.
    std::vector<std::string> SubKeyValueNames(const char* subKey);

    BOOL SelectSubKey(const char* subKey);
    BOOL CreateKey(HKEY parent, const char* name, HKEY* key);

    BOOL IsOpen() const { return isOpen; }

private:
    // The key below the current key, or null when the store is closed or the key cannot be opened.
    HKEY OpenSubKey(const char* subKey, REGSAM access);

    int isOpen;
    HKEY rootKey;
    HKEY softwareKey;
    HKEY companyKey;
    HKEY productKey;
    HKEY versionKey;
    HKEY currentKey;
    char productName[256];
    char subKeyName[252];
};

#endif
