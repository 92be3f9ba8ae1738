// The chosen add-on archives: loading and storing the player's choice.
#include "options/ChosenArchives.h"

#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "options/ArchiveList.h"
#include "resource.h"

int keepChoice = 0;

namespace {

const char* const keepValueName = "Save Rez Files";
const char* const namesValueName = "Rez Files";

}  // namespace

void LoadChosenArchives()
{
    if (!theRegistryStore) return;
    chosenArchives.clear();
    if (theRegistryStore->ReadDword(keepValueName, 0) == 0) {
        keepChoice = 0;
        return;
    }
    keepChoice = 1;
    // A missing value, one of another type or one too long for the buffer leaves the list empty.
    char text[archiveTextReadCapacity + 2];
    text[0] = '\0';
    DWORD size = archiveTextReadCapacity;
    if (!theRegistryStore->ReadString(namesValueName, text, &size, nullptr)) return;
    chosenArchives = SplitArchiveText(text);
}

void SaveChosenArchives(HWND dialog)
{
    if (!theRegistryStore) return;
    // An indeterminate box counts as cleared.
    DWORD keep = IsDlgButtonChecked(dialog, IDC_CUSTOM_KEEP) == BST_CHECKED ? 1 : 0;
    theRegistryStore->WriteDword(keepValueName, keep);
    if (!keep) return;  // "Rez Files" keeps its old text; the next load ignores it
    // Never store more than the load can read back: a longer text would come back as nothing at all.
    JoinedArchives joined = JoinArchiveNames(chosenArchives, archiveTextLimit);
    theRegistryStore->WriteString(namesValueName, joined.text.c_str());
    if (joined.namesLeftOut > 0) {
        ShowLauncherMessageWith(dialog, IDS_ARCHIVES_LEFT_OUT, MB_OK | MB_ICONWARNING,
                                static_cast<unsigned long>(joined.namesJoined),
                                static_cast<unsigned long>(joined.namesJoined + joined.namesLeftOut));
    }
}
