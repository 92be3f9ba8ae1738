// The small dialog "SAVE_SET" that names an add-on set.
#include "options/SaveSetDialog.h"

#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "options/AddonSetNames.h"
#include "options/AddonSets.h"
#include "resource.h"

namespace {

// What ShowSaveSet hands the dialog, and what the dialog hands back.
struct SaveSetRequest {
    const char* initialName;
    const char* joinedNames;
    std::string savedName;
};

BOOL OnInitSaveSet(HWND dialog, SaveSetRequest* request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SetLauncherIcon(dialog, launcherModule);
    SetDlgItemTextA(dialog, IDC_SAVE_SET_NAME, request && request->initialName ? request->initialName : "");
    return TRUE;  // the focus goes to the name box, its text selected
}

// After a refusal the player types again: the focus goes back to the name box, its text selected.
void AskAgain(HWND dialog)
{
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_SAVE_SET_NAME)), TRUE);
}

void OnSaveSetOk(HWND dialog)
{
    SaveSetRequest* request = reinterpret_cast<SaveSetRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!request) return;
    HWND box = GetDlgItem(dialog, IDC_SAVE_SET_NAME);
    int length = GetWindowTextLengthA(box);
    std::string typed(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(box, &typed[0], length + 1);
    std::string name;
    SetNameCheck check = CheckSetName(typed.c_str(), &name);
    if (check == setNameEmpty) {
        ShowLauncherMessage(dialog, IDS_SET_NAME_EMPTY, MB_OK | MB_ICONWARNING);
        AskAgain(dialog);
        return;
    }
    if (check == setNameTooLong) {
        ShowLauncherMessageWith(dialog, IDS_SET_NAME_TOO_LONG, MB_OK | MB_ICONWARNING,
                                static_cast<unsigned long>(addonSetNameLimit));
        AskAgain(dialog);
        return;
    }
    if (AddonSetExists(name.c_str()) &&
        ShowLauncherMessageWith(dialog, IDS_SET_REPLACE, MB_YESNO | MB_ICONQUESTION, name.c_str()) != IDYES) {
        AskAgain(dialog);
        return;
    }
    // A set the player asked for and did not get is said: nothing was saved, and the set list stays.
    if (!SaveAddonSet(name.c_str(), request->joinedNames)) {
        ShowLauncherMessageWith(dialog, IDS_SET_NOT_SAVED, MB_OK | MB_ICONERROR, name.c_str());
        EndDialog(dialog, 0);
        return;
    }
    request->savedName = name;
    EndDialog(dialog, 1);
}

// Every command counts as handled.
BOOL OnSaveSetCommand(HWND dialog, int id, int code)
{
    if (code == 0 && id == IDOK) OnSaveSetOk(dialog);
    if (code == 0 && id == IDCANCEL) EndDialog(dialog, 0);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK SaveSetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitSaveSet(dialog, reinterpret_cast<SaveSetRequest*>(lParam));
        case WM_COMMAND:
            return OnSaveSetCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

BOOL ShowSaveSet(HWND owner, const char* initialName, const char* joinedNames, std::string* savedName)
{
    SaveSetRequest request = {initialName, joinedNames, std::string()};
    INT_PTR result =
        DialogBoxParamA(launcherModule, "SAVE_SET", owner, SaveSetDialogProc, reinterpret_cast<LPARAM>(&request));
    if (result != 1) return FALSE;
    if (savedName) *savedName = request.savedName;
    return TRUE;
}
