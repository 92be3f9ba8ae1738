// The sound library mss32.dll, loaded only while the 3D providers are queried.
#include "sound/SoundLibrary.h"

#include "launcher/ProcLookup.h"

namespace {

const char* const soundLibraryName = "mss32.dll";

// A call by its plain name; the 32-bit library may export only the __stdcall-decorated one.
template <typename F>
bool Resolve(HMODULE module, const char* plainName, const char* decoratedName, F* call)
{
    *call = LookupProc<F>(module, plainName);
#if defined(__i386__) || defined(_M_IX86)
    if (!*call) *call = LookupProc<F>(module, decoratedName);
#endif
    return *call != nullptr;
}

}  // namespace

SoundLibrary::SoundLibrary() : module(nullptr)
{
    ClearCalls();
}

SoundLibrary::~SoundLibrary()
{
    Unload();
}

void SoundLibrary::ClearCalls()
{
    startup = nullptr;
    setPreference = nullptr;
    waveOutOpen = nullptr;
    enumerateProviders = nullptr;
    openProvider = nullptr;
    providerAttribute = nullptr;
    closeProvider = nullptr;
    waveOutClose = nullptr;
    shutdown = nullptr;
}

BOOL SoundLibrary::Load()
{
    Unload();
    module = LoadLibraryA(soundLibraryName);
    if (!module) return FALSE;
    bool complete = Resolve(module, "AIL_startup", "_AIL_startup@0", &startup);
    complete = Resolve(module, "AIL_set_preference", "_AIL_set_preference@8", &setPreference) && complete;
    complete = Resolve(module, "AIL_waveOutOpen", "_AIL_waveOutOpen@16", &waveOutOpen) && complete;
    complete = Resolve(module, "AIL_enumerate_3D_providers", "_AIL_enumerate_3D_providers@12", &enumerateProviders) &&
               complete;
    complete = Resolve(module, "AIL_open_3D_provider", "_AIL_open_3D_provider@4", &openProvider) && complete;
    complete =
        Resolve(module, "AIL_3D_provider_attribute", "_AIL_3D_provider_attribute@12", &providerAttribute) && complete;
    complete = Resolve(module, "AIL_close_3D_provider", "_AIL_close_3D_provider@4", &closeProvider) && complete;
    complete = Resolve(module, "AIL_waveOutClose", "_AIL_waveOutClose@4", &waveOutClose) && complete;
    complete = Resolve(module, "AIL_shutdown", "_AIL_shutdown@0", &shutdown) && complete;
    if (!complete) Unload();
    return complete ? TRUE : FALSE;
}

void SoundLibrary::Unload()
{
    if (module) FreeLibrary(module);
    module = nullptr;
    ClearCalls();
}
