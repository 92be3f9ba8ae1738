// The 3D sound settings held for the run and their registry values.
#include "sound/SoundSettings.h"

#include "launcher/RegistryStore.h"

int soundProviderKind = 0;
char soundProviderName[soundProviderNameCapacity];
DWORD sound3DSamples = 16;
DWORD sound2DSamples = 32;
int soundReverb = 100;

void LoadSoundSettings(RegistryStore* store)
{
    if (!store) return;
    soundProviderKind = static_cast<int>(store->ReadDword("Sound Provider", static_cast<DWORD>(soundProviderKind)));
    // Read into a copy, so that a failed read leaves the name as it was.
    char name[soundProviderNameCapacity];
    DWORD size = sizeof name;
    if (store->ReadString("Sound Provider Name", name, &size, soundProviderName))
        lstrcpynA(soundProviderName, name, sizeof soundProviderName);
    sound3DSamples = store->ReadDword("Sound 3D Samples", sound3DSamples);
    sound2DSamples = store->ReadDword("Sound 2D Samples", sound2DSamples);
    soundReverb = static_cast<int>(store->ReadDword("Sound Reverb", static_cast<DWORD>(soundReverb)));
}

void SaveSoundSettings(RegistryStore* store)
{
    if (!store) return;
    store->WriteDword("Sound Provider", static_cast<DWORD>(soundProviderKind));
    store->WriteString("Sound Provider Name", soundProviderName);
    store->WriteDword("Sound 3D Samples", sound3DSamples);
    store->WriteDword("Sound 2D Samples", sound2DSamples);
    store->WriteDword("Sound Reverb", static_cast<DWORD>(soundReverb));
}
