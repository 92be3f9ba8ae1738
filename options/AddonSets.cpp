// The add-on sets in the registry.
#include "options/AddonSets.h"

#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "options/AddonSetNames.h"
#include "options/ArchiveList.h"

namespace {

const char* const setsKeyName = "Add-on Sets";

}  // namespace

std::vector<std::string> StoredAddonSets()
{
    if (!theRegistryStore) return {};
    std::vector<std::string> names = theRegistryStore->SubKeyValueNames(setsKeyName);
    SortSetNames(&names);
    return names;
}

std::vector<std::string> LoadAddonSet(const char* name)
{
    if (!theRegistryStore) return {};
    // Read as "Rez Files" is: a text that does not fit whole reads as nothing, never as a front part.
    char text[archiveTextReadCapacity + 2];
    text[0] = '\0';
    DWORD size = archiveTextReadCapacity;
    if (!theRegistryStore->ReadSubKeyString(setsKeyName, name, text, &size, nullptr)) return {};
    return SplitArchiveText(text);
}

BOOL AddonSetExists(const char* name)
{
    return theRegistryStore && theRegistryStore->SubKeyValueExists(setsKeyName, name);
}

BOOL SaveAddonSet(const char* name, const char* joinedNames)
{
    return theRegistryStore && theRegistryStore->WriteSubKeyString(setsKeyName, name, joinedNames);
}

BOOL DeleteAddonSet(const char* name)
{
    return theRegistryStore && theRegistryStore->DeleteSubKeyValue(setsKeyName, name);
}
