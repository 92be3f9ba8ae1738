// The 3D sound dialog "3DSOUND": the provider, the sample counts and the reverb level.
#include "sound/SoundDialog.h"

#include <mbstring.h>

#include <string>

#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "resource.h"
#include "sound/ProviderKinds.h"
#include "sound/ProviderQuery.h"
#include "sound/SampleCount.h"
#include "sound/SoundSettings.h"

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

void AddProviderRow(HWND list, const char* name, int kind)
{
    LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    if (row >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(row), kind);
}

// The last row whose text is the stored name, ignoring case; row 0 ("No 3D sound") when none is.
int RowOfStoredName(HWND list)
{
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int chosen = 0;
    for (int row = 0; row < count; ++row) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length < 0 || length >= providerNameCapacity) continue;
        char text[providerNameCapacity];
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        if (SameProviderName(text, soundProviderName)) chosen = row;
    }
    return chosen;
}

void FillProviderList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SOUND_PROVIDERS);
    char noSound[providerNameCapacity];
    LoadTableString(IDS_NO_3D_SOUND, noSound, sizeof noSound);
    AddProviderRow(list, noSound, ProviderKindNone);
    for (const ProviderEntry* entry = theProviderList; entry; entry = entry->next)
        AddProviderRow(list, entry->name, entry->kind);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(RowOfStoredName(list)), 0);
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
    LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return;
    LRESULT kind = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (kind != LB_ERR) soundProviderKind = static_cast<int>(kind);
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0 || length >= soundProviderNameCapacity) return;
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(soundProviderName));
}

DWORD ReadSampleCount(HWND dialog, int id)
{
    HWND field = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(field);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(field, &text[0], length + 1);
    return SampleCountFromText(text.c_str());
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

bool SameProviderName(const char* a, const char* b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b)) == 0;
}

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
