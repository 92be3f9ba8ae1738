// The kind of a 3D sound provider, decided from the name the sound library gives it.
#ifndef TUMBLERIDGE_PROVIDERKINDS_H
#define TUMBLERIDGE_PROVIDERKINDS_H

// The numbers stored as "Sound Provider"; the game reads them, so they never change.
enum ProviderKind {
    ProviderKindNone = 0,  // "No 3D sound"
    ProviderKindDirectSoundHardware = 1,
    ProviderKindCreativeEax = 2,
    ProviderKindDirectSoundSoftware = 3,
    ProviderKindAurealA3D = 4,
    ProviderKindIntelRsx = 5,
    ProviderKindMilesStereo = 6,
    ProviderKindOther = 7,
};

// The kind by the first matching name test (all case-sensitive). A null name is of kind Other.
int ProviderKindFromName(const char* name);

#endif
