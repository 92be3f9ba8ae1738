// Whole-file reads and named resources for the picture and palette readers.
#include "mainwindow/ImageFiles.h"

HMODULE loaderModule;

bool ReadWholeFile(const char* name, HeapArray<uint8_t>* bytes)
{
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER length;
    bool ok = GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart < 0x7FFFFFFF &&
              bytes->Allocate(size_t(length.QuadPart));
    if (ok) {
        DWORD got = 0;
        ok = ReadFile(file, bytes->data(), DWORD(bytes->size()), &got, NULL) && got == bytes->size();
    }
    CloseHandle(file);
    return ok;
}

bool LockNamedResource(const char* name, const char* type, const uint8_t** bytes, size_t* size)
{
    if (!loaderModule || !name) return false;
    HRSRC found = FindResourceA(loaderModule, name, type);
    if (!found) return false;
    HGLOBAL loaded = LoadResource(loaderModule, found);
    if (!loaded) return false;
    const void* locked = LockResource(loaded);
    if (!locked) return false;
    *bytes = static_cast<const uint8_t*>(locked);
    *size = SizeofResource(loaderModule, found);
    return true;
}
