// The sound library mss32.dll, loaded only while the 3D providers are queried.
#ifndef TUMBLERIDGE_SOUNDLIBRARY_H
#define TUMBLERIDGE_SOUNDLIBRARY_H

#include <windows.h>

// The library's handles as the launcher passes them on; it never looks inside them.
typedef void* SoundDriver;
typedef UINT_PTR SoundProvider;
typedef UINT_PTR SoundEnumCursor;

// The calls used, as the library exports them: __stdcall on 32-bit Windows.
typedef int(WINAPI* SoundStartupCall)();
typedef int(WINAPI* SoundSetPreferenceCall)(int number, int value);
typedef int(WINAPI* SoundWaveOutOpenCall)(SoundDriver* driver, void** waveOut, int device, void* format);
typedef int(WINAPI* SoundEnumerateProvidersCall)(SoundEnumCursor* cursor, SoundProvider* provider, char** name);
typedef int(WINAPI* SoundOpenProviderCall)(SoundProvider provider);
typedef void(WINAPI* SoundProviderAttributeCall)(SoundProvider provider, const char* attribute, void* value);
typedef void(WINAPI* SoundCloseProviderCall)(SoundProvider provider);
typedef void(WINAPI* SoundWaveOutCloseCall)(SoundDriver driver);
typedef void(WINAPI* SoundShutdownCall)();

class SoundLibrary {
public:
    SoundLibrary();
    ~SoundLibrary();  // unloads

    // Loads "mss32.dll" through the normal search and resolves all nine calls. False, with nothing left
    // loaded, when the library or any call is missing: a half-usable library is never started.
    BOOL Load();
    void Unload();

    SoundStartupCall startup;
    SoundSetPreferenceCall setPreference;
    SoundWaveOutOpenCall waveOutOpen;
    SoundEnumerateProvidersCall enumerateProviders;
    SoundOpenProviderCall openProvider;
    SoundProviderAttributeCall providerAttribute;
    SoundCloseProviderCall closeProvider;
    SoundWaveOutCloseCall waveOutClose;
    SoundShutdownCall shutdown;

private:
    SoundLibrary(const SoundLibrary&);
    SoundLibrary& operator=(const SoundLibrary&);
    void ClearCalls();

    HMODULE module;
};

#endif
