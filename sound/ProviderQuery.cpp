// The query of the sound library's 3D providers, and the provider list kept for the rest of the run.
#include "sound/ProviderQuery.h"

#include <windows.h>
#include <mmsystem.h>

#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "launcher/SystemLibraries.h"
#include "resource.h"
#include "sound/ProviderKinds.h"
#include "sound/SoundLibrary.h"

ProviderEntry* theProviderList = nullptr;

namespace {

// The library's own preference numbers and the values the game wants while providers are probed.
struct SoundPreference {
    int number;
    int value;
};
const SoundPreference queryPreferences[] = {{27, 1}, {15, 0}, {33, 1}, {40, 0x40000}};

const int waveMapperDevice = -1;
const char* const eaxEnvironmentAttribute = "EAX environment selection";

// Frees the list when the process ends, whichever way the launcher leaves.
struct ProviderListOwner {
    ~ProviderListOwner() { DestroyProviderList(); }
};
ProviderListOwner providerListOwner;

// Opens and closes the provider once to see that it works; the attribute asked for is not kept.
bool ProviderOpens(const SoundLibrary& library, SoundProvider provider)
{
    if (library.openProvider(provider) != 0) return false;
    DWORD environment = 0;
    library.providerAttribute(provider, eaxEnvironmentAttribute, &environment);
    library.closeProvider(provider);
    return true;
}

void ListProviders(const SoundLibrary& library, int probe)
{
    SoundEnumCursor cursor = 0;
    SoundProvider provider = 0;
    char* deliveredName = nullptr;
    for (int delivered = 0; delivered < providerDeliveryLimit; ++delivered) {
        deliveredName = nullptr;
        if (!library.enumerateProviders(&cursor, &provider, &deliveredName)) break;
        if (!deliveredName) continue;  // nothing to show or store for it
        // Copied at once, with its bound: the library's text need not outlive the probe, nor end in time.
        // The kind comes from the copy, so it always agrees with the name that is listed and stored.
        char name[providerNameCapacity];
        lstrcpynA(name, deliveredName, sizeof name);
        int kind = ProviderKindFromName(name);
        if (probe && !ProviderOpens(library, provider)) continue;
        PushProvider(&theProviderList, kind, name);
    }
}

}  // namespace

int EnumerateProviders(ProviderEntry** out, int probe)
{
    Multimedia().PlaySoundA(nullptr, nullptr, SND_PURGE);
    if (!theProviderList) {
        SoundLibrary library;
        if (!library.Load()) return 0;
        library.startup();
        for (const SoundPreference& preference : queryPreferences)
            library.setPreference(preference.number, preference.value);
        SoundDriver driver = nullptr;
        if (library.waveOutOpen(&driver, nullptr, waveMapperDevice, nullptr) != 0) {
            library.shutdown();
            return 0;
        }
        ListProviders(library, probe);
        library.waveOutClose(driver);
        library.shutdown();
    }
    *out = theProviderList;
    return 1;
}

namespace {

// The warning (once per machine) and the query: the count, or -1 when the player declined.
int WarnAndQuery()
{
    if (theRegistryStore) {
        if (theRegistryStore->ReadDword("Sound Enum Warning", 0) == 0 &&
            ShowLauncherMessage(nullptr, IDS_SOUND_QUERY_WARNING, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
            return -1;
        theRegistryStore->WriteDword("Sound Enum Warning", 1);
    }
    ProviderEntry* first = nullptr;
    if (!EnumerateProviders(&first, 1)) first = nullptr;
    return CountProviders(first);
}

}  // namespace

int QueryProvidersWithWarning()
{
    // The warning box has no owner, so the dialog behind it stays usable: a second press meanwhile (or
    // while a library pumps messages during its query) gets no second warning and no nested query.
    static bool running = false;
    if (running) return -1;
    running = true;
    int count = WarnAndQuery();
    running = false;
    return count;
}

void DestroyProviderList()
{
    FreeProviders(&theProviderList);
}
