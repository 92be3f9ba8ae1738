// The one typed lookup of a function exported by a loaded module.
#ifndef TUMBLERIDGE_PROCLOOKUP_H
#define TUMBLERIDGE_PROCLOOKUP_H

#include <windows.h>

// The export of that name cast to the function type F, or null when the module or the export is missing.
template <typename F>
F LookupProc(HMODULE module, const char* name)
{
    if (!module || !name) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

#endif
