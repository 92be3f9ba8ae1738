// Where the picture and palette readers get their bytes: whole files, and named resources of loaderModule.
#ifndef TUMBLERIDGE_IMAGEFILES_H
#define TUMBLERIDGE_IMAGEFILES_H

#include <windows.h>

#include <cstdint>

#include "utils/HeapArray.h"

// The module whose resources the readers use; an ImageSet sets it to its own module before every load.
extern HMODULE loaderModule;

// Reads the whole file into memory sized by it; false when it does not open, is empty or 2 GiB or more,
// cannot be read, or the memory cannot be had.
bool ReadWholeFile(const char* name, HeapArray<uint8_t>* bytes);

// Finds, loads and locks the resource of that name and type in loaderModule; false when there is no module
// or no such resource, or it cannot be loaded or locked. The bytes belong to the module.
bool LockNamedResource(const char* name, const char* type, const uint8_t** bytes, size_t* size);

#endif
