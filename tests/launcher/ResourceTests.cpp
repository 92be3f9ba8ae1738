// The launcher's own resources: string texts as the player and the code need them, the named resources, and
// the system libraries it loads on first use.
#include "DialogDriver.h"
#include "ProcessDriver.h"
#include "TestKit.h"
#include "launcher/SystemLibraries.h"
#include "resource.h"

#include <windows.h>

#include <string>

namespace {

DWORD WINAPI AskForEveryLibrary(void*)
{
    Multimedia();
    CommonControls();
    Shell();
    return 0;
}

}  // namespace

// Asked for from two threads at once, each library is loaded and its calls are its real exports, not the
// stand-ins kept for a missing library; the common controls are the version 6 that the manifest asks for.
TEST_CASE(LibrariesLoadedOnFirstUseGiveTheirRealCalls)
{
    HANDLE other = CreateThread(nullptr, 0, AskForEveryLibrary, nullptr, 0, nullptr);
    REQUIRE(other != nullptr);
    AskForEveryLibrary(nullptr);
    CHECK(WaitForSingleObject(other, 30000) == WAIT_OBJECT_0);
    CloseHandle(other);
    CHECK(IsExport(Multimedia().PlaySoundA, "winmm.dll", "PlaySoundA"));
    CHECK(IsExport(CommonControls().MakeDragList, "comctl32.dll", "MakeDragList"));
    CHECK(IsExport(CommonControls().LBItemFromPt, "comctl32.dll", "LBItemFromPt"));
    CHECK(IsExport(CommonControls().DefSubclassProc, "comctl32.dll", "DefSubclassProc"));
    CHECK(IsExport(Shell().ShellExecuteA, "shell32.dll", "ShellExecuteA"));
    // Version 6 lives in the side-by-side store, not in the system folder.
    CHECK(LoadedModulePath("comctl32.dll").find("\\winsxs\\") != std::string::npos);
}

TEST_CASE(EscapesInTheStringTableBecomeTheirCharacters)
{
    CHECK_EQ(TableString(IDS_DISC_MARKER), "\\GAME\\ENGLISH\\VANTOR.EXE");
    CHECK_EQ(TableString(IDS_NO_CUSTOM_ARCHIVES),
             "No additional VANTOR .REZ files were found in the \"Custom\" folder.  VANTOR add-on .REZ files must be "
             "placed in a folder called \"Custom\".");
    std::string warning = TableString(IDS_DISPLAY_WARNING);
    CHECK(warning.find("installed.\n\nIf nothing") != std::string::npos);
    CHECK(warning.find('\r') == std::string::npos);
    std::string restore = TableString(IDS_HELP_RESTORE);
    CHECK(!restore.empty() && restore.back() == ' ');
    CHECK(TableString(IDS_ADVANCED_WARNING).find("the \"Help\" button") != std::string::npos);
}

TEST_CASE(StartUpTextsHoldTheirFixedWords)
{
    CHECK_EQ(TableString(IDS_CAPTION), "Tumbleridge");
    CHECK_EQ(TableString(IDS_REGISTRY_PRODUCT), "Tumbleridge");
    CHECK_EQ(TableString(IDS_ENGINE_WINDOW_TITLE), "Tumbleridge");
    CHECK_EQ(TableString(IDS_ARCHIVE_STEM), "tumbleridge");
    CHECK_EQ(TableString(IDS_SETUP_PROGRAM), "SETUP.EXE");
    CHECK_EQ(TableString(IDS_PICTURE_COUNT), "1");
    CHECK_EQ(TableString(IDS_LANGUAGE), "English");
    CHECK_EQ(TableString(IDS_HELP_FILE), "ORBEL.hlp");
    CHECK_EQ(TableString(IDS_ALREADY_RUNNING), "Tumbleridge is already running.");
}

TEST_CASE(EveryStringTheLauncherShowsIsPresent)
{
    const UINT ids[] = {4,  6,  9,  10, 11, 12, 16, 17, 18, 34, 35, 36, 37, 38, 39, 42, 45, 46, 47,
                        48, 49, 50, 51, 52, 53, 54, 57, 58, 59, 61, 62, 63, 64, 65, 66, 67, 74, 75,
                        76, 77, 78, 79, 80, 81, 82, 83, 84};
    for (UINT id : ids) {
        if (TableString(id).empty()) CHECK_EQ(id, 0u);
    }
    // Web targets are bare host names, so the shell hands them to the browser.
    for (UINT id : {IDS_DEVELOPER_WEB, IDS_PUBLISHER_WEB_LINK, IDS_PUBLISHER_WEB}) {
        std::string host = TableString(id);
        CHECK(host.find("www.") == 0);
        CHECK(host.find(' ') == std::string::npos);
    }
}

TEST_CASE(NamedResourcesLoad)
{
    HINSTANCE module = GetModuleHandleA(NULL);
    CHECK(LoadIconA(module, "ICON") != NULL);
    CHECK(LoadCursorA(module, "WEBHAND") != NULL);
    CHECK(LoadCursorA(module, "WEBCLICK") != NULL);
    CHECK(FindResourceA(module, "GAME", MAKEINTRESOURCEA(5)) != NULL);   // RT_DIALOG
    HRSRC picture = FindResourceA(module, MAKEINTRESOURCEA(IDB_MAIN_PICTURE), MAKEINTRESOURCEA(2));   // RT_BITMAP
    REQUIRE(picture != NULL);
    const BITMAPINFOHEADER* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, picture)));
    REQUIRE(header != NULL);
    CHECK_EQ(header->biWidth, 320);
    CHECK_EQ(header->biHeight, 240);
    CHECK_EQ(header->biBitCount, 8);
    CHECK_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
}
