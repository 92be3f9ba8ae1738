// The game disc under simulated drives: the search, the set-up program through the main loop, the previews
// of the disc, and shell targets. run-with-drives.sh runs each case in a fresh process with the drives
// that drives.txt gives it; TR_DRIVE_<LETTER> names the folder behind each drive, to change the disc.
#include <cstdlib>

#include "DialogDriver.h"
#include "StartRecord.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestText.h"
#include "TestRegistry.h"
#include "launcher/ArchiveLocation.h"
#include "launcher/GameDisc.h"
#include "launcher/ShellTargets.h"
#include "launcher/LauncherMain.h"
#include "launcher/LauncherState.h"
#include "previews/PreviewCatalogue.h"
#include "previews/PreviewDialog.h"
#include "resource.h"

namespace {

std::string DriveFolder(char letter)
{
    char name[16] = "TR_DRIVE_X";
    name[9] = letter;
    const char* folder = std::getenv(name);
    return folder ? folder : "";
}

// Checks the layout that drives.txt promised, so a wrong layout fails here and not in a later check.
void RequireDrive(char letter, UINT type)
{
    char root[4] = {letter, ':', '\\', '\0'};
    if (GetDriveTypeA(root) != type) std::printf("    drive %s has type %u\n", root, GetDriveTypeA(root));
    REQUIRE(GetDriveTypeA(root) == type);
    REQUIRE(!DriveFolder(letter).empty());
}

// Takes the disc out of a drive: the drive stays, its folder is emptied.
void RemoveDisc(char letter)
{
    std::string folder = DriveFolder(letter);
    RemoveTree(folder);
    REQUIRE(CreateDirectoryA(folder.c_str(), NULL));
}

void InsertDisc(char letter)
{
    const char* disc = std::getenv("TR_STANDIN_DISC");
    REQUIRE(disc != NULL);
    REQUIRE(CopyTree(disc, DriveFolder(letter)));
}

// The launcher's store as start-up opens it, with "CdRom Drive" set when a hint is given.
void OpenStoreWithHint(const char* hint)
{
    ClearLauncherSettings();
    if (hint) WriteSettingString("CdRom Drive", hint);
    OpenTestStore();
}

// Opens the previews with step for the dialog or box they bring up (the step ends it); their result.
int ShowPreviewsWith(DialogStep step)
{
    DialogDriver driver;
    driver.Then(step);
    int result = ShowPreviews(GetModuleHandleA(NULL), NULL);
    CHECK_EQ(driver.Leftovers(), "");
    return result;
}

bool HasControl(HWND dialog, int id)
{
    return GetDlgItem(dialog, id) != NULL;
}

const std::string discMovies = "Tumbleridge Trailer|Harbour Flyover";
const std::string discDemos = "Skyline Racer Demo|Harrowmark Sampler";

}  // namespace

// ---------------------------------------------------------------- the search

TEST_CASE(SearchWithoutHintTakesTheLowestDiscLetter)
{
    RequireDrive('D', DRIVE_CDROM);
    RequireDrive('E', DRIVE_CDROM);
    OpenStoreWithHint(NULL);
    CHECK_EQ(FindGameDisc(), 'D');
    CloseTestStore();
}

TEST_CASE(HintNamingTheOtherDiscWinsOverLowerLetters)
{
    // D holds the disc too: answering E shows that the hint was tried before the search from A.
    RequireDrive('D', DRIVE_CDROM);
    RequireDrive('E', DRIVE_CDROM);
    OpenStoreWithHint("E:\\");
    CHECK_EQ(FindGameDisc(), 'E');
    CloseTestStore();
}

TEST_CASE(HintIsTestedInTheCaseItWasStored)
{
    RequireDrive('E', DRIVE_CDROM);
    OpenStoreWithHint("e");
    CHECK_EQ(FindGameDisc(), 'e');
    CloseTestStore();
}

TEST_CASE(HintNamingAnEmptyCdromDriveFallsBackToTheSearch)
{
    RequireDrive('G', DRIVE_CDROM);
    OpenStoreWithHint("G");
    CHECK_EQ(FindGameDisc(), 'D');
    CloseTestStore();
}

TEST_CASE(HintNamingAFixedDriveFallsBackToTheSearch)
{
    RequireDrive('F', DRIVE_FIXED);
    CHECK(FileExistsIn("F:\\GAME\\ENGLISH", "VANTOR.EXE"));
    OpenStoreWithHint("F");
    CHECK_EQ(FindGameDisc(), 'D');
    CloseTestStore();
}

TEST_CASE(FixedDriveHoldingTheMarkerDoesNotCount)
{
    RequireDrive('F', DRIVE_FIXED);
    RequireDrive('G', DRIVE_CDROM);
    CHECK(FileExistsIn("F:\\GAME\\ENGLISH", "VANTOR.EXE"));
    OpenStoreWithHint("F");
    CHECK_EQ(FindGameDisc(), '\0');
    CloseTestStore();
}

TEST_CASE(FoundDiscIsKeptAfterItIsRemoved)
{
    RequireDrive('D', DRIVE_CDROM);
    OpenStoreWithHint(NULL);
    REQUIRE(FindGameDisc() == 'D');
    RemoveDisc('D');
    RemoveDisc('E');
    CHECK(!FileExistsIn("D:\\GAME\\ENGLISH", "VANTOR.EXE"));
    CHECK_EQ(FindGameDisc(), 'D');

    // The previews still look on D, find no catalogue there, and say so instead of "no disc".
    CHECK_EQ(ShowPreviewsWith(ExpectBox(IDS_NO_PREVIEWS)), 0);
    CloseTestStore();
}

TEST_CASE(DiscInsertedLaterIsFoundByThePreviews)
{
    RequireDrive('G', DRIVE_CDROM);
    OpenStoreWithHint(NULL);
    CHECK_EQ(FindGameDisc(), '\0');

    CHECK_EQ(ShowPreviewsWith(ExpectBox(IDS_NO_PREVIEW_DISC)), 0);

    InsertDisc('G');
    CHECK_EQ(ShowPreviewsWith([](HWND dialog) {
                 CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_MOVIES)), discMovies);
                 CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_DEMOS)), discDemos);
                 EndWith(dialog, IDCANCEL);
             }),
             1);
    CHECK_EQ(FindGameDisc(), 'G');
    CloseTestStore();
}

// ---------------------------------------------------------------- the previews of the disc

TEST_CASE(PreviewsOfTheDiscListBothCataloguesAndStartADemo)
{
    RequireDrive('D', DRIVE_CDROM);
    OpenStoreWithHint(NULL);
    std::string work = FreshWorkFolder("disc-previews");
    std::string record = ExpectStart(demoRecordVariable, work, "demo-started.txt");

    CHECK_EQ(ShowPreviewsWith([&](HWND dialog) {
                 CHECK(HasControl(dialog, IDC_PREVIEW_PLAY_MOVIE));
                 CHECK(HasControl(dialog, IDC_PREVIEW_START_DEMO));
                 CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_MOVIES)), discMovies);
                 CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_DEMOS)), discDemos);
                 CHECK(movieCatalogue != NULL && demoCatalogue != NULL);
                 DoubleClickListRow(dialog, IDC_PREVIEW_DEMOS, 0);
                 StartRecord started = WaitForStartRecord(record);
                 CHECK(started.written);
                 CHECK(started.command.find("D:\\Previews\\Demos\\Skyline\\SKYDEMO.EXE") != std::string::npos);
                 EndWith(dialog, IDOK);
             }),
             1);
    CHECK(movieCatalogue == NULL);
    CHECK(demoCatalogue == NULL);
    CloseTestStore();
}

TEST_CASE(OnlyDemosCatalogueShowsTheDemosTemplate)
{
    RequireDrive('D', DRIVE_CDROM);
    REQUIRE(DeleteFileA(JoinPath(DriveFolder('D'), "Previews\\Movies\\Movies.ini").c_str()));
    OpenStoreWithHint(NULL);
    CHECK_EQ(ShowPreviewsWith([](HWND dialog) {
                 CHECK(!HasControl(dialog, IDC_PREVIEW_MOVIES));
                 CHECK(!HasControl(dialog, IDC_PREVIEW_PLAY_MOVIE));
                 CHECK(HasControl(dialog, IDC_PREVIEW_START_DEMO));
                 CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_DEMOS)), discDemos);
                 CHECK(movieCatalogue == NULL);
                 EndWith(dialog, IDOK);
             }),
             1);
    CloseTestStore();
}

TEST_CASE(OnlyMoviesCatalogueShowsTheMoviesTemplate)
{
    RequireDrive('D', DRIVE_CDROM);
    REQUIRE(DeleteFileA(JoinPath(DriveFolder('D'), "Previews\\Demos\\Demos.ini").c_str()));
    OpenStoreWithHint(NULL);
    CHECK_EQ(ShowPreviewsWith([](HWND dialog) {
                 CHECK(!HasControl(dialog, IDC_PREVIEW_DEMOS));
                 CHECK(!HasControl(dialog, IDC_PREVIEW_START_DEMO));
                 CHECK(HasControl(dialog, IDC_PREVIEW_PLAY_MOVIE));
                 CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_MOVIES)), discMovies);
                 EndWith(dialog, IDOK);
             }),
             1);
    CloseTestStore();
}

TEST_CASE(CataloguesWithoutSectionsSayThereAreNoPreviews)
{
    RequireDrive('D', DRIVE_CDROM);
    std::string disc = DriveFolder('D');
    REQUIRE(WriteFileBytes(JoinPath(disc, "Previews\\Movies\\Movies.ini"), "; no movies yet\r\nName=Loose key\r\n"));
    REQUIRE(WriteFileBytes(JoinPath(disc, "Previews\\Demos\\Demos.ini"), ""));
    OpenStoreWithHint(NULL);
    CHECK_EQ(ShowPreviewsWith(ExpectBox(IDS_NO_PREVIEWS)), 0);
    CHECK(movieCatalogue == NULL && demoCatalogue == NULL);
    CloseTestStore();
}

// ---------------------------------------------------------------- the set-up program through the main loop

namespace {

// Runs the launcher in-process from a fresh game folder; the caller's driver answers its dialogs.
int RunLauncher()
{
    ClearLauncherSettings();
    std::string game = FreshWorkFolder("disc-game");
    CurrentFolder inGame(game);
    return LauncherMain(GetModuleHandleA(NULL), "");
}

void EndMainDialogWith(DialogDriver& driver, INT_PTR result)
{
    driver.Then([result](HWND dialog) { EndDialog(dialog, result); });
}

void ExpectSetupRefused()
{
    std::string work = FreshWorkFolder("disc-setup");
    std::string record = ExpectStart(setupRecordVariable, work, "setup-started.txt");
    DialogDriver driver;
    EndMainDialogWith(driver, MainResultSetup);
    driver.Then(ExpectBox(IDS_SETUP_FAILED));
    EndMainDialogWith(driver, MainResultQuit);  // the main dialog came back
    CHECK_EQ(RunLauncher(), 1);
    CHECK_EQ(driver.Leftovers(), "");
    CHECK_EQ(driver.Seen().size(), static_cast<size_t>(3));
    CHECK(!FileExists(record));
}

}  // namespace

TEST_CASE(SetupStartsFromTheDiscRootAndTheLauncherEnds)
{
    RequireDrive('E', DRIVE_CDROM);
    std::string work = FreshWorkFolder("disc-setup");
    std::string record = ExpectStart(setupRecordVariable, work, "setup-started.txt");
    DialogDriver driver;
    EndMainDialogWith(driver, MainResultSetup);
    CHECK_EQ(RunLauncher(), 1);
    CHECK_EQ(driver.Leftovers(), "");
    CHECK_EQ(driver.Seen().size(), static_cast<size_t>(1));  // the main dialog did not come back
    CHECK_EQ(std::string(discRoot), std::string("E:\\"));

    StartRecord started = WaitForStartRecord(record);
    CHECK(started.written);
    CHECK_EQ(started.command, std::string("E:\\SETUP.EXE"));
    CHECK_EQ(started.folder, std::string("E:\\"));
}

TEST_CASE(DiscWithoutSetupProgramIsRefusedAndTheMainDialogComesBack)
{
    RequireDrive('E', DRIVE_CDROM);
    REQUIRE(DeleteFileA(JoinPath(DriveFolder('E'), "SETUP.EXE").c_str()));
    ExpectSetupRefused();
    CHECK_EQ(std::string(discRoot), std::string("E:\\"));
}

TEST_CASE(SetupWithoutDiscIsRefusedAndTheMainDialogComesBack)
{
    // No disc: a bare SETUP.EXE is looked for beside the launcher and in the game folder, and is not there.
    RequireDrive('G', DRIVE_CDROM);
    ExpectSetupRefused();
    CHECK_EQ(std::string(discRoot), std::string(""));
}

TEST_CASE(MainArchiveOnlyOnTheDiscStartsTheEngineWithItsBareName)
{
    RequireDrive('E', DRIVE_CDROM);
    std::string data = JoinPath(DriveFolder('E'), "data");
    REQUIRE(CreateDirectoryA(data.c_str(), NULL));
    REQUIRE(WriteFileBytes(JoinPath(data, "tumbleridge.rez"), "archive\n"));
    ClearLauncherSettings();
    std::string game = FreshWorkFolder("disc-archive");
    REQUIRE(CopyInto(StandinPath("STRATHEX.EXE"), JoinPath(game, "STRATHEX.EXE")));
    DialogDriver driver;
    {
        CurrentFolder inGame(game);
        CHECK_EQ(LauncherMain(GetModuleHandleA(NULL), "-GOGAME"), 1);
    }
    CHECK(driver.Seen().empty());  // no message: the launch went ahead
    CHECK_EQ(std::string(MainArchivePath()), std::string("E:\\data\\tumbleridge.rez"));
    StartRecord started = WaitForStartRecord(JoinPath(game, "engine-started.txt"), 20000);
    CHECK(started.written);
    CHECK_EQ(started.command, std::string("STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez"));
}

// ---------------------------------------------------------------- files and shell targets (no drives)

TEST_CASE(FileExistsInJoinsFolderAndFileWithOneBackslash)
{
    OpenTestStore();
    std::string folder = FreshWorkFolder("disc-files");
    REQUIRE(WriteFileBytes(JoinPath(folder, "SETUP.EXE"), "x"));
    CHECK(FileExistsIn(folder.c_str(), "SETUP.EXE"));
    CHECK(FileExistsIn((folder + "\\").c_str(), "SETUP.EXE"));
    CHECK(!FileExistsIn(folder.c_str(), "MISSING.EXE"));
    CHECK(!FileExistsIn(folder.c_str(), ""));
    CHECK(!FileExistsIn(NULL, "SETUP.EXE"));
    CHECK(!FileExistsIn(folder.c_str(), NULL));
    // A folder longer than the launcher's buffer is refused rather than cut.
    CHECK(!FileExistsIn((folder + "\\" + std::string(300, 'x')).c_str(), "SETUP.EXE"));
    {
        CurrentFolder inside(folder);
        CHECK(FileExistsIn("", "SETUP.EXE"));  // an empty folder searches, the current folder among others
    }
    CloseTestStore();
}

TEST_CASE(OpenTableTargetWithoutItsStringShowsNothing)
{
    OpenTestStore();
    DialogDriver driver;
    CHECK(!OpenTableTarget(NULL, 999, IDS_WEB_FAILED));
    CHECK(driver.Seen().empty());
    CloseTestStore();
}

TEST_CASE(RefusedTargetShowsItsErrorStringOnly)
{
    // The help file is opened relative to the current folder; an empty folder has none to open.
    OpenTestStore();
    std::string folder = FreshWorkFolder("disc-help");
    CurrentFolder inside(folder);
    DialogDriver driver;
    driver.Then(ExpectBox(IDS_HELP_FAILED));
    CHECK(!OpenTableTarget(NULL, IDS_HELP_FILE, IDS_HELP_FAILED));
    CHECK_EQ(driver.Leftovers(), "");
    CHECK(!OpenTableTarget(NULL, IDS_HELP_FILE, 0));  // no error string: no box
    CHECK_EQ(driver.Seen().size(), static_cast<size_t>(1));
    CloseTestStore();
}
