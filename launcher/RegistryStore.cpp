// The settings store over HKEY_LOCAL_MACHINE\Software\<company>\<product>\<version>.
#include "launcher/RegistryStore.h"

RegistryStore::RegistryStore()
    : isOpen(0),
      rootKey(nullptr),
      softwareKey(nullptr),
      companyKey(nullptr),
      productKey(nullptr),
      versionKey(nullptr),
      currentKey(nullptr)
{
    productName[0] = '\0';
    subKeyName[0] = '\0';
}

RegistryStore::~RegistryStore()
{
    Close();
}

BOOL RegistryStore::CreateKey(HKEY parent, const char* name, HKEY* key)
{
    DWORD disposition = 0;
    char emptyClass[] = "";
    LONG result = RegCreateKeyExA(parent, name, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                                  key, &disposition);
    return result == ERROR_SUCCESS;
}

BOOL RegistryStore::Open(const char* company, const char* product, const char* version, const char* subKey, HKEY root,
                         const char* topKey)
{
    lstrcpynA(productName, product ? product : "", sizeof productName);
    lstrcpynA(subKeyName, subKey ? subKey : "", sizeof subKeyName);
    rootKey = root;
    const char* topName = topKey ? topKey : "Software";
    // A failure part way leaves the keys opened so far open; the launcher ends right after it.
    if (!CreateKey(rootKey, topName, &softwareKey)) return FALSE;
    if (!CreateKey(softwareKey, company, &companyKey)) return FALSE;
    if (!CreateKey(companyKey, product, &productKey)) return FALSE;
    if (!CreateKey(productKey, version, &versionKey)) return FALSE;
    isOpen = 1;
    if (!SelectSubKey(subKey)) {
        isOpen = 0;
        return FALSE;
    }
    return TRUE;
}

BOOL RegistryStore::SelectSubKey(const char* subKey)
{
    if (!isOpen) return FALSE;
    if (!subKey) {
        currentKey = versionKey;
        return TRUE;
    }
    return CreateKey(versionKey, subKey, &currentKey);
}

void RegistryStore::Close()
{
    if (!isOpen) return;
    isOpen = 0;
    RegCloseKey(softwareKey);
    RegCloseKey(companyKey);
    RegCloseKey(productKey);
    if (versionKey != currentKey) RegCloseKey(versionKey);
    RegCloseKey(currentKey);
}

DWORD RegistryStore::ReadDword(const char* name, DWORD defaultValue)
{
    if (!isOpen || !name) return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG result = RegQueryValueExA(currentKey, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value) return value;
    return defaultValue;
}

namespace {

// ReadString's work on any key; a null key answers as for a missing value.
char* ReadStringOf(HKEY key, const char* name, char* buffer, DWORD* size, const char* defaultText)
{
    if (key && name && buffer && size && *size > 0) {
        DWORD capacity = *size;
        DWORD type = 0;
        LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), size);
        if (result == ERROR_SUCCESS && type == REG_SZ) {
            // A value stored without its NUL is terminated here when there is room, and refused when it
            // fills the whole buffer (terminating it would cut the text).
            if (*size < capacity) {
                buffer[*size] = '\0';
                return buffer;
            }
            if (buffer[capacity - 1] == '\0') return buffer;
        }
        *size = capacity;
    }
    if (defaultText && buffer && size && *size > 0) {
        lstrcpynA(buffer, defaultText, static_cast<int>(*size));
        *size = lstrlenA(buffer);
        return buffer;
    }
    if (size) *size = 0;
    return nullptr;
}

BOOL WriteStringTo(HKEY key, const char* name, const char* text)
{
    if (!key || !name || !text) return FALSE;
    DWORD length = static_cast<DWORD>(lstrlenA(text)) + 1;
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), length) == ERROR_SUCCESS;
}

}  // namespace

char* RegistryStore::ReadString(const char* name, char* buffer, DWORD* size, const char* defaultText)
{
    return ReadStringOf(isOpen ? currentKey : nullptr, name, buffer, size, defaultText);
}

BOOL RegistryStore::WriteDword(const char* name, DWORD value)
{
    if (!isOpen || !name) return FALSE;
    return RegSetValueExA(currentKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

BOOL RegistryStore::WriteString(const char* name, const char* text)
{
    return WriteStringTo(isOpen ? currentKey : nullptr, name, text);
}

HKEY RegistryStore::OpenSubKey(const char* subKey, REGSAM access)
{
    HKEY key = nullptr;
    if (!isOpen || !subKey || RegOpenKeyExA(currentKey, subKey, 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

char* RegistryStore::ReadSubKeyString(const char* subKey, const char* name, char* buffer, DWORD* size,
                                      const char* defaultText)
{
    HKEY key = OpenSubKey(subKey, KEY_READ);
    char* text = ReadStringOf(key, name, buffer, size, defaultText);
    if (key) RegCloseKey(key);
    return text;
}

BOOL RegistryStore::WriteSubKeyString(const char* subKey, const char* name, const char* text)
{
    HKEY key = nullptr;
    if (!isOpen || !subKey || !CreateKey(currentKey, subKey, &key)) return FALSE;
    BOOL written = WriteStringTo(key, name, text);
    RegCloseKey(key);
    return written;
}

BOOL RegistryStore::SubKeyValueExists(const char* subKey, const char* name)
{
    HKEY key = OpenSubKey(subKey, KEY_READ);
    if (!key) return FALSE;
    BOOL exists = name && RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
}

BOOL RegistryStore::DeleteSubKeyValue(const char* subKey, const char* name)
{
    if (!isOpen || !subKey || !name) return FALSE;
    HKEY key = nullptr;
    LONG opened = RegOpenKeyExA(currentKey, subKey, 0, KEY_SET_VALUE, &key);
    if (opened != ERROR_SUCCESS) return opened == ERROR_FILE_NOT_FOUND;
    LONG result = RegDeleteValueA(key, name);
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::vector<std::string> RegistryStore::SubKeyValueNames(const char* subKey)
{
    std::vector<std::string> names;
    HKEY key = OpenSubKey(subKey, KEY_READ);
    if (!key) return names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        LONG result = RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;  // a name too long for the buffer
        if (result != ERROR_SUCCESS) break;
        if (length > 0) names.push_back(std::string(name, length));
    }
    RegCloseKey(key);
    return names;
}
