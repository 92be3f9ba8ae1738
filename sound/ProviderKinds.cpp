// The kind of a 3D sound provider, decided from the name the sound library gives it.
#include "sound/ProviderKinds.h"

#include <cstring>

namespace {

struct NameTest {
    bool wholeName;  // equality; otherwise the text may stand anywhere in the name
    const char* text;
    int kind;
};

// Tried in this order; the first match decides. The EAX name must match exactly, so a version suffix on
// it falls through to Other rather than to the plain DirectSound kinds.
const NameTest nameTests[] = {
    {true, "Microsoft DirectSound3D with Creative Labs EAX(TM)", ProviderKindCreativeEax},
    {false, "Aureal A3D Interactive(TM)", ProviderKindAurealA3D},
    {false, "Microsoft DirectSound3D hardware support", ProviderKindDirectSoundHardware},
    {true, "Microsoft DirectSound3D software emulation", ProviderKindDirectSoundSoftware},
    {false, "Intel Realistic Sound Experience(TM)", ProviderKindIntelRsx},
    {false, "Miles 2D Stereo Positional Audio", ProviderKindMilesStereo},
};

}  // namespace

int ProviderKindFromName(const char* name)
{
    if (!name) return ProviderKindOther;
    for (const NameTest& test : nameTests) {
        bool matches = test.wholeName ? std::strcmp(name, test.text) == 0 : std::strstr(name, test.text) != nullptr;
        if (matches) return test.kind;
    }
    return ProviderKindOther;
}
