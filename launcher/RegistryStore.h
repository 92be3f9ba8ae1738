// The settings store: one registry key chain, 32-bit numbers and texts read with defaults.
#ifndef TUMBLERIDGE_REGISTRYSTORE_H
#define TUMBLERIDGE_REGISTRYSTORE_H

#include <windows.h>

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

    BOOL SelectSubKey(const char* subKey);
    BOOL CreateKey(HKEY parent, const char* name, HKEY* key);

    BOOL IsOpen() const { return isOpen; }

private:
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
