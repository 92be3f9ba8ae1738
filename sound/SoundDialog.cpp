// The 3D sound dialog "3DSOUND": the provider, the sample counts and the reverb level.
#include "sound/SoundDialog.h"

#include <new>

#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "resource.h"
#include "sound/ProviderKinds.h"
#include "sound/ProviderName.h"
#include "sound/ProviderQuery.h"
#include "sound/SampleCount.h"
#include "sound/SoundSettings.h"
#include "utils/ListBoxRows.h"

namespace {

struct ReverbButton {
    int id;
    int reverb;
};
const ReverbButton reverbButtons[] = {
    {IDC_SOUND_REVERB_0, 0},     {IDC_SOUND_REVERB_30, 30},   {IDC_SOUND_REVERB_60, 60},
    {IDC_SOUND_REVERB_100, 100}, {IDC_SOUND_REVERB_125, 125}, {IDC_SOUND_REVERB_150, 150},
};

const int sampleCountDigits = 10;  // 4294967295

// The last row whose text is the stored name, ignoring case; row 0 ("No 3D sound") when none is.
int RowOfStoredName(HWND list)
{
    int count = ListRowCount(list);
    int chosen = 0;
    for (int row = 0; row < count; ++row) {
        char text[providerNameCapacity];
        if (ListRowText(list, row, text, sizeof text) && SameProviderName(text, soundProviderName)) chosen = row;
    }
    return chosen;
}

void FillProviderList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SOUND_PROVIDERS);
    char noSound[providerNameCapacity];
    LoadTableString(IDS_NO_3D_SOUND, noSound, sizeof noSound);
    AddListRow(list, noSound, ProviderKindNone);
    for (const ProviderEntry* entry = theProviderList; entry; entry = entry->next)
        AddListRow(list, entry->name, entry->kind);
    SelectListRow(list, RowOfStoredName(list));
}

BOOL OnInitSound(HWND dialog, HINSTANCE instance)
{
    SetLauncherIcon(dialog, instance);
    FillProviderList(dialog);
    SendDlgItemMessageA(dialog, IDC_SOUND_3D_SAMPLES, EM_LIMITTEXT, sampleCountDigits, 0);
    SendDlgItemMessageA(dialog, IDC_SOUND_2D_SAMPLES, EM_LIMITTEXT, sampleCountDigits, 0);
    SetDlgItemInt(dialog, IDC_SOUND_3D_SAMPLES, sound3DSamples, FALSE);
    SetDlgItemInt(dialog, IDC_SOUND_2D_SAMPLES, sound2DSamples, FALSE);
    for (const ReverbButton& button : reverbButtons)
        CheckDlgButton(dialog, button.id, button.reverb == soundReverb ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void ReadChosenProvider(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SOUND_PROVIDERS);
    int row = SelectedListRow(list);
    if (row < 0) return;
    LPARAM kind = 0;
    if (ListRowData(list, row, &kind)) soundProviderKind = static_cast<int>(kind);
    ListRowText(list, row, soundProviderName, sizeof soundProviderName);
}

DWORD ReadSampleCount(HWND dialog, int id)
{
    HWND field = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(field);
    // The field's whole text, blanks around the digits included: a program may set more than the limit.
    char* text = new (std::nothrow) char[static_cast<size_t>(length) + 1];
    if (!text) return 0;
    text[0] = '\0';
    GetWindowTextA(field, text, length + 1);
    DWORD count = SampleCountFromText(text);
    delete[] text;
    return count;
}

void OnSoundOk(HWND dialog)
{
    ReadChosenProvider(dialog);
    sound3DSamples = ReadSampleCount(dialog, IDC_SOUND_3D_SAMPLES);
    sound2DSamples = ReadSampleCount(dialog, IDC_SOUND_2D_SAMPLES);
    for (const ReverbButton& button : reverbButtons) {
        if (IsDlgButtonChecked(dialog, button.id) == BST_CHECKED) soundReverb = button.reverb;
    }
    EndDialog(dialog, 1);
}

BOOL OnSoundCommand(HWND dialog, int id)
{
    if (id == IDOK)
        OnSoundOk(dialog);
    else if (id == IDCANCEL)
        EndDialog(dialog, 0);
    return TRUE;
}

INT_PTR CALLBACK SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitSound(dialog, reinterpret_cast<HINSTANCE>(lParam));
        case WM_COMMAND:
            return OnSoundCommand(dialog, LOWORD(wParam));
        default:
            return FALSE;
    }
}

}  // namespace

int Configure3DSound(HINSTANCE instance, HWND owner, int reportNone)
{
    if (!instance) return 0;
    int count = QueryProvidersWithWarning();
    if (count < 0) return 0;
    if (count == 0) {
        if (reportNone) ShowLauncherMessage(owner, IDS_NO_SOUND_PROVIDERS, MB_ICONINFORMATION);
        return 0;
    }
    LoadSoundSettings(theRegistryStore);
    INT_PTR result = DialogBoxParamA(instance, "3DSOUND", owner, SoundDialogProc, reinterpret_cast<LPARAM>(instance));
    // -1 is a dialog that could not be shown, not a confirmation.
    if (result <= 0) return 0;
    SaveSoundSettings(theRegistryStore);
    return 1;
}
