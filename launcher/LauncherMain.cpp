// The launcher's run: start-up, the main loop and shutdown.
#include "launcher/LauncherMain.h"

#include <cstdlib>
#include <new>

#include "display/DisplayDialog.h"
#include "launcher/ArchiveLocation.h"
#include "launcher/CommandLine.h"
#include "launcher/EngineLaunch.h"
#include "launcher/GameDisc.h"
#include "launcher/InstanceCheck.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/PictureChoice.h"
#include "launcher/RegistryStore.h"
#include "launcher/StartupSteps.h"
#include "launcher/SystemLibraries.h"
#include "mainwindow/MainDialog.h"
#include "options/ChosenArchives.h"
#include "options/ConsoleCommands.h"
#include "previews/PreviewDialog.h"
#include "resource.h"
#include "sound/SoundSettings.h"
#include "utils/AnsiCodePage.h"

namespace {

// The framework's per-process application object; it holds nothing the launcher reads.
struct LauncherApplication {
    const char* name;
    HINSTANCE instance;
    const char* arguments;
};
LauncherApplication theApplication = {"Launcher", nullptr, nullptr};

const char* const engineProgram = "STRATHEX.EXE";

}  // namespace

void LoadStartupTexts()
{
    LoadTableString(IDS_CAPTION, captionText, sizeof captionText);
    LoadTableString(IDS_REGISTRY_PRODUCT, registryProductName, sizeof registryProductName);
    LoadTableString(IDS_DISC_MARKER, discMarkerPath, sizeof discMarkerPath);
    LoadTableString(IDS_ARCHIVE_STEM, archiveStem, sizeof archiveStem);
    LoadTableString(IDS_SETUP_PROGRAM, setupProgramName, sizeof setupProgramName);
    LoadTableString(IDS_PICTURE_COUNT, pictureCountText, sizeof pictureCountText);
    LoadTableString(IDS_ENGINE_WINDOW_TITLE, engineWindowTitle, sizeof engineWindowTitle);
    LoadTableString(IDS_LANGUAGE, languageName, sizeof languageName);
}

namespace {

// Whether another launcher of this file name runs, and whether the engine runs from the current folder.
// Both are answered from one walk over the running processes, which costs time for each process it passes.
// The paths are read into buffers of full path length: a game folder deeper than a short buffer would
// otherwise give a cut launcher name, or no folder at all for the engine (and so match an engine running
// from any folder).
struct RunningPrograms {
    bool anotherLauncher;
    bool engine;
};

RunningPrograms CheckRunningPrograms()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const char* ownName = length == 0 || length >= sizeof path ? "" : FileNamePart(path);  // cut: no name
    char folder[MAX_PATH];
    length = GetCurrentDirectoryA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) folder[0] = '\0';
    char enginePath[MAX_PATH];
    ComposeEnginePath(folder, engineProgram, enginePath, sizeof enginePath);

    ProgramQuery queries[2] = {{ownName, 2, FALSE, 0, 0}, {enginePath, 1, FALSE, 0, 0}};
    AnswerProgramQueries(queries, 2);
    RunningPrograms running = {queries[0].running != FALSE, queries[1].running != FALSE};
    return running;
}

void LoadRunSettings()
{
    displayWarned = theRegistryStore->ReadDword("Display Warned", 0);
    launcherRuns = theRegistryStore->ReadDword("Num Launcher Runs", 0);
    lastRandom = theRegistryStore->ReadDword("Last Random", lastRandom);
    for (int i = 0; i < DisableSwitchCount; ++i)
        disableSwitches[i] = theRegistryStore->ReadDword(disableSwitchNames[i], 0);
}

void LoadCursors()
{
    webHandCursor = LoadCursorA(launcherModule, "WEBHAND");
    webClickCursor = LoadCursorA(launcherModule, "WEBCLICK");
    arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
}

int CRandom()
{
    return std::rand();
}

void ChooseMainPicture()
{
    int count = PictureCountFromText(pictureCountText);
    std::srand(GetTickCount());
    uint32_t last = lastRandom;
    ChoosePicture(count, &last, CRandom, chosenPictureName, sizeof chosenPictureName);
    lastRandom = last;
}

void RunMainLoop(LauncherSwitches switches)
{
    for (;;) {
        INT_PTR result;
        if (switches.playMulti)
            result = MainResultPlayMulti;
        else if (switches.play)
            result = MainResultPlay;
        else
            result = DialogBoxParamA(launcherModule, "GAME", nullptr, MainDialogProc, 0);
        switches.playMulti = false;
        switches.play = false;

        if (result == MainResultPlay || result == MainResultPlayMulti) {
            if (LaunchEngine()) return;
        } else if (result == MainResultSetup) {
            if (RunSetupFromDisc()) return;
            ShowLauncherMessage(nullptr, IDS_SETUP_FAILED, MB_ICONERROR);
        } else {
            return;
        }
    }
}

void ShutDown()
{
    ++launcherRuns;
    // A failed write is ignored; the others and the clean-up still happen.
    theRegistryStore->WriteDword("Display Warned", displayWarned);
    theRegistryStore->WriteDword("Num Launcher Runs", launcherRuns);
    theRegistryStore->WriteDword("Last Random", lastRandom);
    for (int i = 0; i < DisableSwitchCount; ++i)
        theRegistryStore->WriteDword(disableSwitchNames[i], disableSwitches[i]);
    theRegistryStore->WriteString("Language", languageName);

    DestroyPictureSet();
    theRegistryStore->Close();
    delete theRegistryStore;
    theRegistryStore = nullptr;
    DestroyPreviewCatalogues();
    DestroyDisplayCatalogue();
}

}  // namespace

int LauncherMain(HINSTANCE instance, const char* arguments)
{
    STARTUP_STEP("loader, to the entry point");
    // Every path and name below is walked by character in the system's ANSI code page.
    UseLeadBytes(AnsiCodePageLeadBytes());
    theApplication.instance = instance;
    theApplication.arguments = arguments;

    RunningPrograms running = CheckRunningPrograms();
    STARTUP_STEP("instance checks");
    if (running.anotherLauncher) return 0;

    launcherModule = instance;
    LoadStartupTexts();
    STARTUP_STEP("start-up texts");

    if (running.engine) {
        CommonControls();  // the message box is drawn as the launcher's dialogs are
        ShowTableMessage(nullptr, IDS_ALREADY_RUNNING, captionText, MB_ICONINFORMATION);
        return 0;
    }

    theRegistryStore = new (std::nothrow) RegistryStore();
    if (!theRegistryStore) return 0;
    if (!theRegistryStore->Open("Harrowmark", registryProductName, "1.0", nullptr, HKEY_LOCAL_MACHINE, nullptr)) {
        delete theRegistryStore;
        theRegistryStore = nullptr;
        return 0;
    }
    STARTUP_STEP("registry key");

    char discLetter = FindGameDisc();
    discRoot[0] = '\0';
    if (discLetter) wsprintfA(discRoot, "%c:\\", discLetter);
    STARTUP_STEP("disc search");

    LoadRunSettings();
    LoadSoundSettings(theRegistryStore);
    STARTUP_STEP("run and sound settings");
    LoadConsoleCommands();
    LoadChosenArchives();
    STARTUP_STEP("commands, add-ons");
    LocateArchives(FindGameDisc());
    STARTUP_STEP("second disc search, archives");
    // On this thread, which shows every window: a second thread that loaded them while this one ran the
    // checks above cost more under Wine than it saved, and the first window then took longer to make.
    CommonControls();
    STARTUP_STEP("common controls");
    LoadCursors();
    STARTUP_STEP("cursors");

    LauncherSwitches switches = ScanLauncherSwitches(arguments);
    ChooseMainPicture();
    STARTUP_STEP("switches, picture choice");

    RunMainLoop(switches);
    ShutDown();
    return 1;
}
