// The 3D sound settings held for the run and their registry values.
#ifndef TUMBLERIDGE_SOUNDSETTINGS_H
#define TUMBLERIDGE_SOUNDSETTINGS_H

#include <windows.h>

class RegistryStore;

const int soundProviderNameCapacity = 261;  // 260 characters and the NUL

extern int soundProviderKind;
extern char soundProviderName[soundProviderNameCapacity];
extern DWORD sound3DSamples;
extern DWORD sound2DSamples;
extern int soundReverb;

// Reads the five values; each default is the value in memory. Nothing without a store.
void LoadSoundSettings(RegistryStore* store);
// Writes the five values. Nothing without a store.
void SaveSoundSettings(RegistryStore* store);

#endif
