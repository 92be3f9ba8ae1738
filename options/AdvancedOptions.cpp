// The advanced options: the warning given once, and the dialog "ADVANCED" over the eight Disable switches,
// the restore-defaults flag and the engine console commands.
#include "options/AdvancedOptions.h"

#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "options/ConsoleCommands.h"
#include "launcher/DialogIcon.h"
#include "options/HelpDialogs.h"
#include "resource.h"
#include "sound/SoundDialog.h"

namespace {

// A flag check box and the in-memory value it shows. The switches reach the registry at shutdown;
// restoreDefaults never does.
struct FlagBox {
    int controlId;
    DWORD* value;
};

const FlagBox flagBoxes[] = {
    {IDC_ADV_DISABLE_SOUND, &disableSwitches[DisableSound]},
    {IDC_ADV_DISABLE_MUSIC, &disableSwitches[DisableMusic]},
    {IDC_ADV_RESTORE_DEFAULTS, &restoreDefaults},
    {IDC_ADV_DISABLE_MOVIES, &disableSwitches[DisableMovies]},
    {IDC_ADV_DISABLE_FOG, &disableSwitches[DisableFog]},
    {IDC_ADV_DISABLE_TRIPBUF, &disableSwitches[DisableTripBuf]},
    {IDC_ADV_DISABLE_JOYSTICK, &disableSwitches[DisableJoystick]},
    {IDC_ADV_DISABLE_CURSOR, &disableSwitches[DisableCursor]},
    {IDC_ADV_DISABLE_LOADSCREEN, &disableSwitches[DisableLoadscreen]},
};

const char* const warningCaption = "Advanced Options";

void CheckBox(HWND dialog, int id, DWORD value)
{
    CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

BOOL OnInitAdvanced(HWND dialog)
{
    SetLauncherIcon(dialog, launcherModule);
    // With saving on this reloads the stored text, so every opening shows what the registry holds.
    LoadConsoleCommands();
    CheckBox(dialog, IDC_ADV_SAVE_COMMANDS, saveCommands);
    for (const FlagBox& box : flagBoxes) CheckBox(dialog, box.controlId, *box.value);
    // The field takes no more than OK can keep, so typed text is never cut silently.
    SendDlgItemMessageA(dialog, IDC_ADV_COMMANDS, EM_LIMITTEXT, commandTextCapacity - 1, 0);
    SetDlgItemTextA(dialog, IDC_ADV_COMMANDS, commandText);
    return TRUE;  // the dialog system sets the focus
}

void OnAdvancedOk(HWND dialog)
{
    commandText[0] = '\0';
    GetDlgItemTextA(dialog, IDC_ADV_COMMANDS, commandText, commandTextCapacity);
    // Only a plain check keeps the text; an indeterminate box counts as cleared.
    StoreConsoleCommands(IsDlgButtonChecked(dialog, IDC_ADV_SAVE_COMMANDS) == BST_CHECKED);
    for (const FlagBox& box : flagBoxes) *box.value = IsDlgButtonChecked(dialog, box.controlId) == BST_CHECKED ? 1 : 0;
    EndDialog(dialog, 1);
}

BOOL OnAdvancedCommand(HWND dialog, int id)
{
    switch (id) {
        case IDOK:
            OnAdvancedOk(dialog);
            break;
        case IDCANCEL:
            EndDialog(dialog, 0);
            break;
        // What these dialogs store they store themselves, whether this one is confirmed or cancelled later.
        case IDC_ADV_OPTION_HELP:
            ShowOptionHelp(dialog);
            break;
        case IDC_ADV_CARD_NOTES:
            ShowCardNotes(dialog);
            break;
        case IDC_ADV_3D_SOUND:
            Configure3DSound(launcherModule, dialog, 1);
            break;
        default:
            break;
    }
    return TRUE;  // every command counts as handled
}

INT_PTR CALLBACK AdvancedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitAdvanced(dialog);
        case WM_COMMAND:
            return OnAdvancedCommand(dialog, LOWORD(wParam));
        default:
            return FALSE;
    }
}

}  // namespace

int ShowAdvancedOptions(HWND owner)
{
    DWORD warned = theRegistryStore ? theRegistryStore->ReadDword("AdvWarning", 0) : 0;
    if (!warned && ShowTableMessage(owner, IDS_ADVANCED_WARNING, warningCaption, MB_OKCANCEL) != IDOK) return 0;
    INT_PTR result = DialogBoxParamA(launcherModule, "ADVANCED", owner, AdvancedDialogProc, 0);
    // Written once the dialog has closed, however it closed: the warning was accepted.
    if (theRegistryStore) theRegistryStore->WriteDword("AdvWarning", 1);
    return result == 1 ? 1 : 0;  // a dialog that could not be shown counts as cancelled
}
