// The display button's flows and the real "DISPLAY" dialog over stand-in plug-ins: the warning, the
// missing-renderer message, preselection from "autoexec.cfg", the linked lists, OK, Cancel and the
// choice written back into the script.
#include "DialogDriver.h"
#include "DisplayTestSupport.h"
#include "TestKit.h"
#include "TestText.h"
#include "display/CatalogueBuild.h"
#include "display/DisplayCatalogue.h"
#include "display/DisplayDialog.h"
#include "display/SavedChoice.h"
#include "display/SavedChoiceFile.h"
#include "launcher/LauncherState.h"
#include "resource.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const d3dRow = "Direct3D Hardware Renderer (D3D.REN)";
const char* const softRow = "Software Renderer (SOFT.REN)";
const char* const filterRow = "Filter Test Renderer (FILTER.REN)";
const char* const primaryRow = "Primary Display Driver (display)";
const char* const accelRow = "3D Accelerator (accel)";

std::string SelectedRow(HWND dialog, int id)
{
    int row = ListSelection(dialog, id);
    return row < 0 ? "(none)" : ListRow(dialog, id, row);
}

// Selects the row with that text as the player does; false when there is none.
bool SelectRowText(HWND dialog, int id, const std::string& text)
{
    std::vector<std::string> rows = ListRows(dialog, id);
    auto found = std::find(rows.begin(), rows.end(), text);
    if (found == rows.end()) return false;
    SelectListRow(dialog, id, static_cast<int>(found - rows.begin()));
    return true;
}

// Chooses a renderer, a device and a mode by their rows' texts, as the player does.
void ChooseRows(HWND dialog, const char* renderer, const char* device, const char* mode)
{
    SelectRowText(dialog, IDC_DISPLAY_RENDERERS, renderer);
    SelectRowText(dialog, IDC_DISPLAY_DEVICES, device);
    SelectRowText(dialog, IDC_DISPLAY_MODES, mode);
}

// Opens the dialog with the warning accepted and runs step in it (the step ends it); the dialog's result.
int OpenWarned(DialogStep step)
{
    displayWarned = 1;
    DialogDriver driver;
    driver.Then(step);
    int result = OpenDisplayDialog(NULL);
    CHECK_EQ(driver.Leftovers(), "");
    return result;
}

// The three selections as "renderer / device / mode".
std::string Selections(HWND dialog)
{
    return SelectedRow(dialog, IDC_DISPLAY_RENDERERS) + " / " + SelectedRow(dialog, IDC_DISPLAY_DEVICES) + " / " +
           SelectedRow(dialog, IDC_DISPLAY_MODES);
}

// The catalogue's choice in the same form, from the objects themselves.
std::string Chosen()
{
    if (!theDisplayCatalogue) return "(no catalogue)";
    const RendererEntry* renderer = theDisplayCatalogue->selectedRenderer;
    if (!renderer) return "(none)";
    const DeviceEntry* device = renderer->selectedDevice;
    const ModeEntry* mode = device ? device->selectedMode : NULL;
    return renderer->DisplayText() + " / " + (device ? device->DisplayText() : "(none)") + " / " +
           (mode ? mode->text : "(none)");
}

const char* const sampleScript =
    "// Tumbleridge engine settings\r\n"
    "\"RenderDll\" \"SOFT.REN\"\r\n"
    "\"Renderer\" \"Software Renderer\"\r\n"
    "\"CardDesc\" \"software\"\r\n"
    "\"ScreenWidth\" \"800\"\r\n"
    "\"ScreenHeight\" \"600\"\r\n"
    "\"BitDepth\" \"16\"\r\n"
    "\r\n"
    "\"MusicVolume\" \"80\"\r\n"
    "bind \"F1\" \"screenshot\"\n";

}  // namespace

TEST_CASE(WarningDeclinedBuildsNothingAndIsShownAgain)
{
    PluginFolder folder("dialog-warning", {"FILTER.REN"});
    {
        DialogDriver driver;
        driver.Then([](HWND box) {
            CHECK(IsMessageBox(box));
            CHECK_EQ(MessageBoxText(box), TableString(IDS_DISPLAY_WARNING));
            CHECK_EQ(WindowText(box), "Tumbleridge");
            CHECK(GetDlgItem(box, IDCANCEL) != NULL);
            EndWith(box, IDCANCEL);
        });
        CHECK_EQ(OpenDisplayDialog(NULL), 0);
        CHECK_EQ(driver.Leftovers(), "");
    }
    CHECK(theDisplayCatalogue == NULL);
    CHECK_EQ(displayWarned, DWORD(0));
    {
        DialogDriver driver;
        driver.Then([](HWND box) {
            CHECK_EQ(MessageBoxText(box), TableString(IDS_DISPLAY_WARNING));
            EndWith(box, IDOK);
        });
        driver.Then([](HWND dialog) {
            CHECK(!IsMessageBox(dialog));
            CHECK_EQ(ListCount(dialog, IDC_DISPLAY_RENDERERS), 1);
            EndWith(dialog, IDOK);
        });
        CHECK_EQ(OpenDisplayDialog(NULL), 1);
        CHECK_EQ(driver.Leftovers(), "");
    }
    CHECK_EQ(displayWarned, DWORD(1));
    CHECK(theDisplayCatalogue != NULL);
    {  // accepted once: no more warning in this run
        DialogDriver driver;
        driver.Then([](HWND dialog) {
            CHECK(!IsMessageBox(dialog));
            EndWith(dialog, IDCANCEL);
        });
        CHECK_EQ(OpenDisplayDialog(NULL), 0);
        CHECK_EQ(driver.Leftovers(), "");
    }
}

TEST_CASE(NoUsableRendererIsReportedEachTimeWithoutScanningAgain)
{
    PluginFolder folder("dialog-no-renderers", {"NULLLIST.REN"});
    {
        DialogDriver driver;
        driver.Then([](HWND box) { EndWith(box, IDOK); });
        driver.Then([](HWND box) {
            CHECK(IsMessageBox(box));
            CHECK_EQ(MessageBoxText(box), TableString(IDS_NO_RENDERERS));
            CHECK(GetDlgItem(box, IDCANCEL) == NULL);
            EndWith(box, IDOK);
        });
        CHECK_EQ(OpenDisplayDialog(NULL), 0);
        CHECK_EQ(driver.Leftovers(), "");
    }
    REQUIRE(theDisplayCatalogue != NULL);
    // A plug-in that appears now is seen on the next run only.
    folder.Add("FILTER.REN");
    {
        DialogDriver driver;
        driver.Then([](HWND box) {
            CHECK_EQ(MessageBoxText(box), TableString(IDS_NO_RENDERERS));
            EndWith(box, IDOK);
        });
        CHECK_EQ(OpenDisplayDialog(NULL), 0);
        CHECK_EQ(driver.Leftovers(), "");
    }
    CHECK(theDisplayCatalogue->renderers.empty());
}

TEST_CASE(SavedChoiceIsPreselectedAndAnUnknownNameFallsBack)
{
    PluginFolder folder("dialog-preselect", {"FILTER.REN", "D3D.REN", "SOFT.REN"});
    folder.Write("autoexec.cfg",
                 "\"RenderDll\" \"D3D.REN\"\r\n\"Renderer\" \"x\"\r\n\"CardDesc\" \"accel\"\r\n"
                 "\"ScreenWidth\" \"800\"\r\n\"ScreenHeight\" \"600\"\r\n\"BitDepth\" \"16\"\r\n");
    OpenWarned([](HWND dialog) {
        CHECK_EQ(Selections(dialog), std::string(d3dRow) + " / " + accelRow + " / 800 x 600 x 16");
        CHECK_EQ(ListRows(dialog, IDC_DISPLAY_DEVICES).size(), size_t(2));
        EndWith(dialog, IDCANCEL);
    });

    // The same name in other letter case matches nothing: the first renderer, its last device and that
    // device's default mode show.
    DestroyDisplayCatalogue();
    folder.Write("autoexec.cfg", "\"RenderDll\" \"d3d.ren\"\r\n\"CardDesc\" \"accel\"\r\n");
    OpenWarned([](HWND dialog) {
        REQUIRE(theDisplayCatalogue && !theDisplayCatalogue->renderers.empty());
        const RendererEntry* first = theDisplayCatalogue->renderers[0].get();
        CHECK_EQ(ListSelection(dialog, IDC_DISPLAY_RENDERERS), 0);
        CHECK_EQ(SelectedRow(dialog, IDC_DISPLAY_RENDERERS), first->DisplayText());
        CHECK_EQ(ListSelection(dialog, IDC_DISPLAY_DEVICES), ListCount(dialog, IDC_DISPLAY_DEVICES) - 1);
        CHECK_EQ(Selections(dialog), Chosen());
        EndWith(dialog, IDCANCEL);
    });
}

TEST_CASE(WithoutASavedDeviceTheLastDeviceAndItsDefaultModeShow)
{
    PluginFolder folder("dialog-no-device", {"D3D.REN"});
    folder.Write("autoexec.cfg", "RenderDll D3D.REN\nScreenWidth 1024\nScreenHeight 768\nBitDepth 32\n");
    OpenWarned([](HWND dialog) {
        CHECK_EQ(Selections(dialog), std::string(d3dRow) + " / " + accelRow + " / 640 x 480 x 16");
        // The lists' fall-backs are written into the catalogue at once.
        CHECK_EQ(Chosen(), Selections(dialog));
        SelectRowText(dialog, IDC_DISPLAY_DEVICES, primaryRow);
        CHECK_EQ(SelectedRow(dialog, IDC_DISPLAY_MODES), "640 x 480 x 16");
        CHECK_EQ(ListCount(dialog, IDC_DISPLAY_MODES), 10);
        EndWith(dialog, IDCANCEL);
    });
}

TEST_CASE(RendererChangeRefillsBothListsAndEachRendererKeepsItsChoice)
{
    PluginFolder folder("dialog-linked", {"FILTER.REN", "D3D.REN"});
    CHECK_EQ(OpenWarned([](HWND dialog) {
                 REQUIRE(SelectRowText(dialog, IDC_DISPLAY_RENDERERS, d3dRow));
                 CHECK_EQ(Joined(ListRows(dialog, IDC_DISPLAY_DEVICES)), std::string(primaryRow) + "|" + accelRow);
                 CHECK_EQ(SelectedRow(dialog, IDC_DISPLAY_DEVICES), accelRow);
                 CHECK_EQ(Joined(ListRows(dialog, IDC_DISPLAY_MODES)), "640 x 480 x 16|800 x 600 x 16");
                 REQUIRE(SelectRowText(dialog, IDC_DISPLAY_DEVICES, primaryRow));
                 CHECK_EQ(ListCount(dialog, IDC_DISPLAY_MODES), 10);
                 // A double click selects and leaves the dialog open (the result below would be 1 otherwise).
                 std::vector<std::string> modes = ListRows(dialog, IDC_DISPLAY_MODES);
                 int row = static_cast<int>(std::find(modes.begin(), modes.end(), "1024 x 768 x 32") - modes.begin());
                 DoubleClickListRow(dialog, IDC_DISPLAY_MODES, row);
                 CHECK_EQ(Chosen(), std::string(d3dRow) + " / " + primaryRow + " / 1024 x 768 x 32");

                 REQUIRE(SelectRowText(dialog, IDC_DISPLAY_RENDERERS, filterRow));
                 CHECK_EQ(Joined(ListRows(dialog, IDC_DISPLAY_DEVICES)), "Filter Label (Filter Card)");
                 CHECK_EQ(SelectedRow(dialog, IDC_DISPLAY_MODES), "640 x 480 x 16");
                 CHECK_EQ(Chosen(), Selections(dialog));

                 REQUIRE(SelectRowText(dialog, IDC_DISPLAY_RENDERERS, d3dRow));
                 CHECK_EQ(Selections(dialog), std::string(d3dRow) + " / " + primaryRow + " / 1024 x 768 x 32");
                 CHECK_EQ(Chosen(), Selections(dialog));
                 EndWith(dialog, IDCANCEL);
             }),
             0);
}

TEST_CASE(CancelForgetsOnlyTheRenderer)
{
    PluginFolder folder("dialog-cancel", {"FILTER.REN", "D3D.REN"});
    CHECK_EQ(OpenWarned([](HWND dialog) {
                 ChooseRows(dialog, d3dRow, primaryRow, "800 x 600 x 32");
                 EndWith(dialog, IDCANCEL);
             }),
             0);
    REQUIRE(theDisplayCatalogue != NULL);
    CHECK(theDisplayCatalogue->selectedRenderer == NULL);
    const RendererEntry* d3d = theDisplayCatalogue->FindRenderer("D3D.REN");
    REQUIRE(d3d != NULL && d3d->selectedDevice != NULL && d3d->selectedDevice->selectedMode != NULL);
    CHECK_EQ(d3d->selectedDevice->cardDesc, "display");
    CHECK_EQ(d3d->selectedDevice->selectedMode->text, "800 x 600 x 32");
    CHECK_EQ(OpenWarned([](HWND dialog) {
                 REQUIRE(theDisplayCatalogue != NULL);
                 CHECK_EQ(ListSelection(dialog, IDC_DISPLAY_RENDERERS), 0);
                 CHECK_EQ(SelectedRow(dialog, IDC_DISPLAY_RENDERERS), theDisplayCatalogue->renderers[0]->DisplayText());
                 SelectRowText(dialog, IDC_DISPLAY_RENDERERS, d3dRow);
                 CHECK_EQ(Selections(dialog), std::string(d3dRow) + " / " + primaryRow + " / 800 x 600 x 32");
                 EndWith(dialog, IDOK);
             }),
             1);
}

TEST_CASE(RendererWithoutDevicesShowsNoModesAndOkWritesNothing)
{
    PluginFolder folder("dialog-no-devices", {"FILTER.REN", "DROPPED.REN"});
    CHECK_EQ(OpenWarned([](HWND dialog) {
                 std::vector<std::string> renderers = ListRows(dialog, IDC_DISPLAY_RENDERERS);
                 int dropped = renderers[0].find("DROPPED.REN") != std::string::npos ? 0 : 1;
                 SelectListRow(dialog, IDC_DISPLAY_RENDERERS, dropped);
                 CHECK_EQ(ListCount(dialog, IDC_DISPLAY_DEVICES), 0);
                 CHECK_EQ(ListCount(dialog, IDC_DISPLAY_MODES), 0);
                 EndWith(dialog, IDOK);
             }),
             1);
    CHECK(!FileExists(folder.Path("autoexec.cfg")));
}

TEST_CASE(OkWritesTheChoiceBackAndKeepsEveryOtherLine)
{
    PluginFolder folder("dialog-write-back", {"D3D.REN", "SOFT.REN"});
    folder.Write("autoexec.cfg", sampleScript);
    CHECK_EQ(OpenWarned([](HWND dialog) {
                 CHECK_EQ(Selections(dialog),
                          std::string(softRow) + " / Software Rasteriser (software) / 800 x 600 x 16");
                 ChooseRows(dialog, d3dRow, primaryRow, "1024 x 768 x 32");
                 EndWith(dialog, IDOK);
             }),
             1);
    CHECK_EQ(folder.Read("autoexec.cfg"),
             "// Tumbleridge engine settings\r\n"
             "\"RenderDll\" \"D3D.REN\"\r\n"
             "\"Renderer\" \"Software Renderer\"\r\n"
             "\"CardDesc\" \"display\"\r\n"
             "\"ScreenWidth\" \"1024\"\r\n"
             "\"ScreenHeight\" \"768\"\r\n"
             "\"BitDepth\" \"32\"\r\n"
             "\r\n"
             "\"MusicVolume\" \"80\"\r\n"
             "bind \"F1\" \"screenshot\"\n");
    std::vector<std::string> files = folder.Files();
    std::sort(files.begin(), files.end());
    CHECK_EQ(Joined(files), "D3D.REN|SOFT.REN|autoexec.cfg");

    // The next run reads the choice back.
    DestroyDisplayCatalogue();
    OpenWarned([](HWND dialog) {
        CHECK_EQ(Selections(dialog), std::string(d3dRow) + " / " + primaryRow + " / 1024 x 768 x 32");
        EndWith(dialog, IDCANCEL);
    });
}

TEST_CASE(OkMakesAMissingScriptAndCancelWritesNothing)
{
    PluginFolder folder("dialog-new-script", {"SOFT.REN"});
    OpenWarned([](HWND dialog) { EndWith(dialog, IDCANCEL); });
    CHECK(!FileExists(folder.Path("autoexec.cfg")));
    OpenWarned([](HWND dialog) { EndWith(dialog, IDOK); });
    CHECK_EQ(folder.Read("autoexec.cfg"),
             "\"RenderDll\" \"SOFT.REN\"\r\n\"CardDesc\" \"software\"\r\n\"ScreenWidth\" \"640\"\r\n"
             "\"ScreenHeight\" \"480\"\r\n\"BitDepth\" \"16\"\r\n");
}

namespace {

// The message of a choice that was not saved: the reason from the string table, formatted with its
// arguments, in the common frame.
std::string NotSavedText(UINT reason, const std::string& first = "", const std::string& second = "")
{
    char text[1024];
    std::snprintf(text, sizeof text, TableString(reason).c_str(), first.c_str(), second.c_str());
    char whole[2048];
    std::snprintf(whole, sizeof whole, TableString(IDS_DISPLAY_NOT_SAVED).c_str(), text);
    return whole;
}

// A script with a line that the reader would take in place of the written "CardDesc" line and that no
// other place of the written line can outdo: its first 511 characters are read as "CardDesc", and its
// rest, "Renderer", is the sixth key, after which reading stops.
const std::string lineInTheWay =
    "\"RenderDll\" \"SOFT.REN\"\r\n\"CardDesc\" \"software\"\r\nScreenWidth 800\r\n"
    "ScreenHeight 600\r\nBitDepth 16\r\nCardDescription " +
    std::string(495, '-') + "Renderer r\r\n";

}  // namespace

TEST_CASE(OkThatCannotSaveTellsWhyOverTheDialogAndKeepsTheOldScript)
{
    const DWORD notHeld = ~DWORD(0);
    struct Case {
        std::string script;
        DWORD held;  // the test holds the script open with this sharing, or not at all
        bool readOnly;
        const char* renderer;
        const char* device;
        std::string message;  // "" when the choice is saved in silence
    } cases[] = {
        {sampleScript, FILE_SHARE_READ, false, d3dRow, primaryRow, NotSavedText(IDS_SAVE_FILE_IN_USE)},
        {sampleScript, 0, false, d3dRow, primaryRow, NotSavedText(IDS_SAVE_FILE_IN_USE)},
        {sampleScript, notHeld, true, d3dRow, primaryRow, NotSavedText(IDS_SAVE_FILE_READ_ONLY)},
        {lineInTheWay, notHeld, false, d3dRow, primaryRow,
         NotSavedText(IDS_SAVE_LINE_IN_THE_WAY, "CardDescription", "CardDesc")},
        {sampleScript, notHeld, false, "TEXTS.REN", "Label ( Blank Start)",
         NotSavedText(IDS_SAVE_VALUE_UNWRITABLE, "CardDesc")},
        {sampleScript, notHeld, false, d3dRow, primaryRow, ""},
    };
    PluginFolder folder("dialog-not-saved", {"D3D.REN", "SOFT.REN", "TEXTS.REN"});
    HWND mainWindow = CreateWindowA("STATIC", "main", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    for (const Case& c : cases) {
        folder.Write("autoexec.cfg", c.script);
        if (c.readOnly) SetFileAttributesA(folder.Path("autoexec.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
        HANDLE held = c.held == notHeld ? INVALID_HANDLE_VALUE
                                        : CreateFileA(folder.Path("autoexec.cfg").c_str(), GENERIC_READ, c.held, NULL,
                                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
        static HWND dialogShown;
        static std::string chosen;
        displayWarned = 1;
        DialogDriver driver;
        driver.Then([&c](HWND dialog) {
            dialogShown = dialog;
            ChooseRows(dialog, c.renderer, c.device, "640 x 480 x 16");
            chosen = Selections(dialog);
            EndWith(dialog, IDOK);
        });
        if (!c.message.empty()) {
            driver.Then([&c](HWND box) {
                CHECK(IsMessageBox(box) && GetWindow(box, GW_OWNER) == dialogShown && IsWindow(dialogShown));
                CHECK_EQ(WindowText(box), "Tumbleridge");
                CHECK_EQ(MessageBoxText(box), c.message);
                EndWith(box, IDOK);
            });
        }
        CHECK_EQ(OpenDisplayDialog(mainWindow), 1);
        CHECK_EQ(driver.Leftovers(), "");
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SetFileAttributesA(folder.Path("autoexec.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);
        CHECK(IsWindowEnabled(mainWindow));
        CHECK_EQ(Chosen(), chosen);                  // kept for this run either way
        CHECK_EQ(folder.Files().size(), size_t(4));  // no temporary file left beside it
        if (c.message.empty()) CHECK(folder.Read("autoexec.cfg").find("\"CardDesc\" \"display\"") != std::string::npos);
        if (!c.message.empty()) CHECK_EQ(folder.Read("autoexec.cfg"), c.script);
        if (testkit::CurrentCaseFailed()) {
            std::printf("    message %s\n", c.message.c_str());
            break;
        }
    }
    DestroyWindow(mainWindow);
}

TEST_CASE(FailedWriteLeavesTheOldScriptWhole)
{
    // A read-only script, one held open and one in the way through the dialog: above.
    PluginFolder folder("dialog-write-fails", {"D3D.REN", "SOFT.REN"});
    folder.Write("autoexec.cfg", sampleScript);
    OpenWarned([](HWND dialog) { EndWith(dialog, IDOK); });
    REQUIRE(theDisplayCatalogue != NULL);
    folder.Write("autoexec.cfg", sampleScript);

    // A script that cannot be read is not replaced; a folder that cannot hold the temporary file fails.
    SavedChoiceWrite outcome;
    CreateDirectoryA(folder.Path("locked.cfg").c_str(), NULL);
    CHECK(!WriteSavedChoice("locked.cfg", *theDisplayCatalogue, &outcome));
    CHECK(outcome.failure != SaveDone && outcome.failure != SaveNothingChosen);
    DWORD error = 0;
    CHECK(!ReplaceFileContents(folder.Path("no such folder\\autoexec.cfg").c_str(), "x", &error));
    CHECK_EQ(SaveFailureOfSystemError(error), SaveSystemError);
    // The script held open by another program (without sharing deletion) cannot be replaced.
    HANDLE held = CreateFileA(folder.Path("autoexec.cfg").c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    CHECK(!ReplaceFileContents(folder.Path("autoexec.cfg").c_str(), "replaced", &error));
    CHECK_EQ(SaveFailureOfSystemError(error), SaveFileInUse);
    CloseHandle(held);
    CHECK_EQ(folder.Read("autoexec.cfg"), sampleScript);
    CHECK_EQ(folder.Files().size(), size_t(3));
    CHECK(ReplaceFileContents(folder.Path("autoexec.cfg").c_str(), "replaced", &error));
    CHECK_EQ(error, DWORD(0));
    CHECK_EQ(folder.Read("autoexec.cfg"), "replaced");
}

TEST_CASE(EachFailureIsToldInWordsOfItsCause)
{
    // The system's errors of the writing steps as the player is told them; a full disk and a folder that
    // may not be written cannot be made here, so their errors go to the message directly.
    struct Case {
        DWORD error;
        SaveFailure failure;
        UINT reason;
    } cases[] = {
        {ERROR_ACCESS_DENIED, SaveFolderDenied, IDS_SAVE_FOLDER_DENIED},
        {ERROR_WRITE_PROTECT, SaveFolderDenied, IDS_SAVE_FOLDER_DENIED},
        {ERROR_NETWORK_ACCESS_DENIED, SaveFolderDenied, IDS_SAVE_FOLDER_DENIED},
        {ERROR_DISK_FULL, SaveDiskFull, IDS_SAVE_DISK_FULL},
        {ERROR_HANDLE_DISK_FULL, SaveDiskFull, IDS_SAVE_DISK_FULL},
        {1295, SaveDiskFull, IDS_SAVE_DISK_FULL},  // the disk quota is used up (no name in MinGW)
        {ERROR_SHARING_VIOLATION, SaveFileInUse, IDS_SAVE_FILE_IN_USE},
        {ERROR_LOCK_VIOLATION, SaveFileInUse, IDS_SAVE_FILE_IN_USE},
        {ERROR_FILE_READ_ONLY, SaveFileReadOnly, IDS_SAVE_FILE_READ_ONLY},
        {ERROR_PATH_NOT_FOUND, SaveSystemError, IDS_SAVE_SYSTEM_ERROR},
    };
    for (const Case& c : cases) {
        SavedChoiceWrite outcome;
        outcome.failure = SaveFailureOfSystemError(c.error);
        outcome.systemError = c.error;
        CHECK_EQ(outcome.failure, c.failure);
        DialogDriver driver;
        static std::string shown;
        driver.Then([](HWND box) {
            shown = MessageBoxText(box);
            EndWith(box, IDOK);
        });
        ShowSaveFailure(NULL, outcome);
        CHECK_EQ(driver.Leftovers(), "");
        // An error without words of its own is told in the system's words, behind "Windows reported: ".
        std::string expected = NotSavedText(c.reason, "%");
        CHECK_EQ(shown.substr(0, expected.find('%')), expected.substr(0, expected.find('%')));
        if (c.reason == IDS_SAVE_SYSTEM_ERROR) CHECK(shown.size() > expected.size() + 8);
        if (testkit::CurrentCaseFailed()) std::printf("    error %lu\n", static_cast<unsigned long>(c.error));
    }
    CHECK_EQ(SaveFailureOfSystemError(0), SaveDone);
}

TEST_CASE(OnlyAChoiceThatReadsBackIsWritten)
{
    // Device texts of a real plug-in: those that the script carries back are written and preselected in the
    // next run; the others leave the old script whole (its renderer is not in this folder: nothing shows).
    struct Case {
        std::string cardDesc;  // as the catalogue keeps it
        bool written;
    } cases[] = {
        {"Plain Card", true},
        {"Blank End ", true},
        {"Tab\tInside", true},
        {std::string(127, 'W'), true},  // a field without its NUL
        {" Blank Start", false},
        {"\"Quote Start", false},
        {"Quote End\"", false},
        {"Two\r\nLines", false},
        {"Text\x1A"
         "End Mark",
         false},
    };
    PluginFolder folder("dialog-read-back", {"TEXTS.REN"});
    for (const Case& c : cases) {
        folder.Write("autoexec.cfg", sampleScript);
        DisplayCatalogue chosen;
        BuildCatalogue(&chosen, "", savedChoiceFileName);
        REQUIRE(chosen.renderers.size() == 1);
        chosen.selectedRenderer = chosen.renderers[0].get();
        REQUIRE(chosen.selectedRenderer->SelectDevice(c.cardDesc.c_str()));
        CHECK_EQ(WriteSavedChoice(savedChoiceFileName, chosen), c.written);

        DisplayCatalogue nextRun;
        BuildCatalogue(&nextRun, "", savedChoiceFileName);
        const RendererEntry* preselected = nextRun.selectedRenderer;
        const DeviceEntry* device = preselected ? preselected->selectedDevice : NULL;
        if (c.written) {
            CHECK(device != NULL && device->cardDesc == c.cardDesc);
        } else {
            CHECK_EQ(folder.Read("autoexec.cfg"), sampleScript);
            CHECK(preselected == NULL);
        }
        if (testkit::CurrentCaseFailed()) {
            std::printf("    device \"%s\"\n", c.cardDesc.c_str());
            return;
        }
    }

    // A plug-in whose file name begins with a blank is listed, but its choice cannot be written.
    REQUIRE(MoveFileA(folder.Path("TEXTS.REN").c_str(), folder.Path(" TEXTS.REN").c_str()));
    folder.Write("autoexec.cfg", sampleScript);
    DisplayCatalogue blank;
    BuildCatalogue(&blank, "", savedChoiceFileName);
    REQUIRE(blank.renderers.size() == 1);
    CHECK_EQ(blank.renderers[0]->fileName, " TEXTS.REN");
    blank.selectedRenderer = blank.renderers[0].get();
    REQUIRE(blank.selectedRenderer->SelectDevice("Plain Card"));
    CHECK(!WriteSavedChoice(savedChoiceFileName, blank));
    CHECK_EQ(folder.Read("autoexec.cfg"), sampleScript);
}
