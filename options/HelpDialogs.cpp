// The option help "ADV_HELP" and the video-card notes "ADV_3D".
#include "options/HelpDialogs.h"

#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "launcher/DialogIcon.h"
#include "options/LineBreaks.h"
#include "resource.h"
#include "utils/ListBoxRows.h"

DWORD lastHelpSelection = 0;

namespace {

struct HelpTopic {
    const char* text;  // the row's text; for the option help, the fallback when the label does not load
    UINT helpId;       // the string shown for the row
    UINT labelId;      // 0: the row always shows text
};

// Rows in the order in which they are added; stored selections are row numbers, so the order is fixed.
const HelpTopic optionTopics[] = {
    {"Disable sound", IDS_HELP_SOUND, IDS_LABEL_SOUND},
    {"Disable music", IDS_HELP_MUSIC, IDS_LABEL_MUSIC},
    {"Disable movies ", IDS_HELP_MOVIES, IDS_LABEL_MOVIES},
    {"Disable fog", IDS_HELP_FOG, IDS_LABEL_FOG},
    {"Disable joysticks", IDS_HELP_JOYSTICK, IDS_LABEL_JOYSTICK},
    {"Disable triple buffering", IDS_HELP_TRIPBUF, IDS_LABEL_TRIPBUF},
    {"Disable hardware cursor", IDS_HELP_CURSOR, IDS_LABEL_CURSOR},
    {"Disable animated load screen", IDS_HELP_LOADSCREEN, IDS_LABEL_LOADSCREEN},
    {"Restore defaults", IDS_HELP_RESTORE, IDS_LABEL_RESTORE},
    {"Command-line", IDS_HELP_COMMANDLINE, IDS_LABEL_COMMANDLINE},
};

const HelpTopic cardTopics[] = {
    {"3DFX Voodoo1", IDS_CARD_VOODOO1, 0},     {"3DFX Voodoo2", IDS_CARD_VOODOO2, 0},
    {"3DFX Banshee", IDS_CARD_BANSHEE, 0},     {"Intel i740", IDS_CARD_I740, 0},
    {"Matrox G200", IDS_CARD_G200, 0},         {"Matrox M3D", IDS_CARD_M3D, 0},
    {"Matrox MGA", IDS_CARD_MGA, 0},           {"nVidia Riva TNT", IDS_CARD_RIVA_TNT, 0},
    {"nVidia Riva 128", IDS_CARD_RIVA_128, 0}, {"ATI Rage Pro", IDS_CARD_RAGE_PRO, 0},
    {"ATI Rage 128", IDS_CARD_RAGE_128, 0},    {"3DLabs Permedia2", IDS_CARD_PERMEDIA2, 0},
    {"Rendition V1000", IDS_CARD_V1000, 0},    {"Rendition V2x00", IDS_CARD_V2X00, 0},
    {"S3 Savage", IDS_CARD_SAVAGE, 0},         {"S3 Virge", IDS_CARD_VIRGE, 0},
};

struct HelpDialogKind {
    const HelpTopic* topics;
    int topicCount;
    const char* valueName;  // the remembered row
};

const HelpDialogKind optionHelp = {optionTopics, sizeof optionTopics / sizeof optionTopics[0], "AdvOptSel"};
const HelpDialogKind cardNotes = {cardTopics, sizeof cardTopics / sizeof cardTopics[0], "3DCardSel"};

const int labelCapacity = 250;
const int helpTextCapacity = 2000;
// Each character may become two (a line feed gains its carriage return), so nothing loaded is ever cut.
const int shownTextCapacity = 2 * helpTextCapacity;

BOOL OnInitHelp(HWND dialog, const HelpDialogKind& kind)
{
    SetLauncherIcon(dialog, launcherModule);
    HWND list = GetDlgItem(dialog, IDC_HELP_TOPICS);
    ClearListRows(list);
    for (int i = 0; i < kind.topicCount; ++i)
        AddHelpRow(list, kind.topics[i].text, kind.topics[i].helpId, kind.topics[i].labelId);
    DWORD row = theRegistryStore ? theRegistryStore->ReadDword(kind.valueName, 0) : 0;
    // A stored row beyond the list (a value edited by hand) selects nothing.
    if (row < static_cast<DWORD>(kind.topicCount)) SelectListRow(list, static_cast<int>(row));
    ShowSelectedHelp(dialog);
    return TRUE;  // the dialog system sets the focus
}

BOOL OnHelpCommand(HWND dialog, const HelpDialogKind& kind, int id, int code)
{
    if (id == IDC_HELP_TOPICS && code == LBN_SELCHANGE) {
        ShowSelectedHelp(dialog);
    } else if (id == IDOK) {
        if (theRegistryStore) theRegistryStore->WriteDword(kind.valueName, lastHelpSelection);
        EndDialog(dialog, 1);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, 0);
    }
    return TRUE;  // every command counts as handled
}

INT_PTR HelpDialogProc(const HelpDialogKind& kind, HWND dialog, UINT message, WPARAM wParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitHelp(dialog, kind);
        case WM_COMMAND:
            return OnHelpCommand(dialog, kind, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

}  // namespace

BOOL AddHelpRow(HWND list, const char* text, UINT helpId, UINT labelId)
{
    char label[labelCapacity];
    const char* rowText = text;
    if (labelId != 0 && LoadTableString(labelId, label, sizeof label)) rowText = label;
    if (!list || !rowText) return FALSE;
    return AddListRow(list, rowText, static_cast<LPARAM>(helpId)) >= 0 ? TRUE : FALSE;
}

BOOL ShowSelectedHelp(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_HELP_TOPICS);
    int row = SelectedListRow(list);
    LPARAM helpId = 0;
    if (!list || !ListRowData(list, row, &helpId)) return FALSE;
    lastHelpSelection = static_cast<DWORD>(row);

    char text[helpTextCapacity];
    if (!LoadTableString(static_cast<UINT>(helpId), text, sizeof text)) return FALSE;
    char shown[shownTextCapacity];
    ExpandLineFeeds(text, shown, sizeof shown);
    SetDlgItemTextA(dialog, IDC_HELP_TEXT, shown);
    return TRUE;
}

INT_PTR CALLBACK OptionHelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return HelpDialogProc(optionHelp, dialog, message, wParam);
}

INT_PTR CALLBACK CardNotesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return HelpDialogProc(cardNotes, dialog, message, wParam);
}

void ShowOptionHelp(HWND owner)
{
    DialogBoxParamA(launcherModule, "ADV_HELP", owner, OptionHelpDialogProc, 0);
}

void ShowCardNotes(HWND owner)
{
    DialogBoxParamA(launcherModule, "ADV_3D", owner, CardNotesDialogProc, 0);
}
