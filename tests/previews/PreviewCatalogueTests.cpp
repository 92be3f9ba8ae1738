// The preview catalogues and their dialog, on catalogue files in work folders (no disc needed).
#include <cstdio>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestText.h"
#include "TestRegistry.h"
#include "previews/PreviewCatalogue.h"
#include "previews/PreviewDialog.h"
#include "resource.h"
#include "tests/disc/StartRecord.h"

namespace {

std::string ItemPath(const PreviewItem* item)
{
    char path[previewPathCapacity];
    if (!item || !item->FullPath(path, sizeof path)) return "(none)";
    return path;
}

std::string ItemNames(const PreviewCatalogue& catalogue)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < catalogue.ItemCount(); ++i) names.push_back(catalogue.Item(i)->Name());
    return Joined(names);
}

// A catalogue folder with one catalogue file.
std::string CatalogueFolder(const std::string& name, const std::string& iniName, const std::string& contents)
{
    std::string folder = FreshWorkFolder(name);
    WriteFileBytes(JoinPath(folder, iniName), contents);
    return folder;
}

// Copies the stand-in demo program into folder\sub as name.
void PlaceDemoProgram(const std::string& folder, const std::string& sub, const std::string& name)
{
    std::string target = JoinPath(folder, sub);
    CreateDirectoryA(target.c_str(), NULL);
    REQUIRE(CopyInto(StandinPath("SKYDEMO.EXE"), JoinPath(target, name)));
}

HWND MakeListBox()
{
    return CreateWindowA("LISTBOX", "", WS_POPUP | LBS_NOTIFY, 0, 0, 200, 200, NULL, NULL, GetModuleHandleA(NULL),
                         NULL);
}

const std::string longName(80, 'N');
const std::string longFile(80, 'f');

}  // namespace

// ---------------------------------------------------------------- reading a catalogue

TEST_CASE(CatalogueReadsEverySectionInFileOrder)
{
    std::string folder = CatalogueFolder("previews-order", "Movies.ini",
                                         "[Zeta]\r\nName=Zeta Trailer\r\nFile=zeta.avi\r\nPlayer=ignored\r\n"
                                         "[Alpha]\r\nfile=Sub\\alpha.avi\r\nNAME=Alpha Flyover\r\n"
                                         "[NoName]\r\nFile=noname.avi\r\n"
                                         "[Long]\r\nName=" +
                                             longName + "\r\nFile=" + longFile +
                                             "\r\n"
                                             "[NoFile]\r\nName=Folder Only\r\n");
    PreviewCatalogue catalogue;
    REQUIRE(catalogue.Load("Movies.ini", folder.c_str()));
    CHECK_EQ(std::string(catalogue.IniName()), std::string("Movies.ini"));
    CHECK_EQ(std::string(catalogue.Folder()), folder);
    CHECK_EQ(ItemNames(catalogue), "Zeta Trailer|Alpha Flyover||" + longName.substr(0, 59) + "|Folder Only");
    REQUIRE(catalogue.ItemCount() == 5);
    CHECK_EQ(ItemPath(catalogue.Item(0)), folder + "\\zeta.avi");
    CHECK_EQ(ItemPath(catalogue.Item(1)), folder + "\\Sub\\alpha.avi");
    CHECK_EQ(ItemPath(catalogue.Item(2)), folder + "\\noname.avi");  // a blank row still opens its file
    CHECK_EQ(std::string(catalogue.Item(3)->File()), longFile.substr(0, 59));
    CHECK_EQ(ItemPath(catalogue.Item(4)), folder + "\\");  // no "File": the folder itself
    for (size_t i = 0; i < catalogue.ItemCount(); ++i) CHECK_EQ(std::string(catalogue.Item(i)->Folder()), folder);
}

TEST_CASE(LoadRefusesMissingAndSectionlessCatalogues)
{
    std::string folder = FreshWorkFolder("previews-refused");
    WriteFileBytes(JoinPath(folder, "Empty.ini"), "");
    WriteFileBytes(JoinPath(folder, "Keys.ini"), "; a catalogue without sections\r\nName=Loose\r\nFile=x.avi\r\n");
    const char* refused[] = {"Missing.ini", "Empty.ini", "Keys.ini", NULL};
    for (const char* name : refused) {
        PreviewCatalogue catalogue;
        CHECK(!catalogue.Load(name, folder.c_str()));
        CHECK_EQ(catalogue.ItemCount(), static_cast<size_t>(0));
    }
    // A folder too long for the catalogue is refused rather than cut to another folder.
    PreviewCatalogue catalogue;
    CHECK(!catalogue.Load("Movies.ini", (folder + "\\" + std::string(300, 'x')).c_str()));
}

TEST_CASE(EmptyFolderReadsTheCatalogueOfTheCurrentFolder)
{
    std::string folder = CatalogueFolder("previews-current", "Demos.ini", "[One]\r\nName=Here\r\nFile=HERE.EXE\r\n");
    CurrentFolder inside(folder);
    PreviewCatalogue catalogue;
    REQUIRE(catalogue.Load("Demos.ini", ""));
    CHECK_EQ(std::string(catalogue.Folder()), folder);
    CHECK_EQ(ItemPath(catalogue.Item(0)), folder + "\\HERE.EXE");
}

namespace {

// count sections whose names are length characters long, then one for each length in more; the entries are
// named "Entry 01" and on.
std::string Sections(int count, int length, std::vector<int> more = {})
{
    more.insert(more.begin(), static_cast<size_t>(count), length);
    std::string contents;
    for (size_t i = 0; i < more.size(); ++i) {
        char head[16];
        std::snprintf(head, sizeof head, "Section%02u", unsigned(i + 1));
        contents += "[" + (head + std::string(static_cast<size_t>(more[i]) - 9, 's')) + "]\r\nName=Entry " +
                    (head + 7) + "\r\nFile=" + head + ".avi\r\n";
    }
    return contents;
}

}  // namespace

TEST_CASE(SectionsBeyondTheReadLimitAreNotSeen)
{
    // The names and their NULs are read into 1020 bytes, the last of which closes the list: names that end
    // within the first 1019 count, a name cut by the limit is no section and gives no blank entry.
    struct Case {
        std::string contents;
        unsigned entries;
    } cases[] = {
        {Sections(25, 50), 19},           // 19 names fit, the 20th is cut
        {Sections(16, 59, {57}), 17},     // 16 x 60 + 58 bytes: 1018, every name fits
        {Sections(16, 59, {57, 9}), 17},  // the same, and one more name beyond the limit
        {Sections(16, 59, {58}), 17},     // 1019: the last name's NUL is the last byte it may take
        {Sections(16, 59, {58, 9}), 17},  // the same, and one more name beyond the limit
        {Sections(16, 59, {59}), 16},     // one byte more: the last name is cut
        {Sections(16, 59, {56}), 17},     // one byte less
    };
    for (const Case& c : cases) {
        PreviewCatalogue catalogue;
        REQUIRE(catalogue.Load("Movies.ini", CatalogueFolder("previews-limit", "Movies.ini", c.contents).c_str()));
        CHECK_EQ(ItemNames(catalogue).substr(0, 8), std::string("Entry 01"));
        char last[16];
        std::snprintf(last, sizeof last, "|Entry %02u", c.entries);
        CHECK_EQ(ItemNames(catalogue).substr(ItemNames(catalogue).size() - 9), std::string(last));
        CHECK_EQ(unsigned(catalogue.ItemCount()), c.entries);
    }
}

TEST_CASE(ClearAndAddItemKeepTheirContracts)
{
    std::string folder = CatalogueFolder("previews-clear", "Movies.ini", "[A]\r\nName=A\r\nFile=a.avi\r\n");
    PreviewCatalogue catalogue;
    REQUIRE(catalogue.Load("Movies.ini", (folder + "\\").c_str()));
    CHECK_EQ(ItemPath(catalogue.Item(0)), folder + "\\a.avi");  // the folder's own backslash is kept, once
    CHECK(catalogue.AddItem(NULL, "x.avi") == NULL);
    CHECK(catalogue.AddItem("x", NULL) == NULL);
    const PreviewItem* added = catalogue.AddItem("Added", "b.avi");
    REQUIRE(added != NULL);
    CHECK(catalogue.Item(1) == added);
    CHECK_EQ(ItemPath(added), folder + "\\b.avi");

    catalogue.Clear();
    CHECK_EQ(catalogue.ItemCount(), static_cast<size_t>(0));
    CHECK_EQ(std::string(catalogue.IniName()), std::string(""));
    CHECK_EQ(std::string(catalogue.Folder()), std::string(""));
    CHECK_EQ(ItemPath(catalogue.AddItem("Bare", "c.avi")), std::string("\\c.avi"));
    // As many entries as a section list can name, and no more.
    while (catalogue.ItemCount() < previewItemCapacity) REQUIRE(catalogue.AddItem("More", "d.avi") != NULL);
    CHECK(catalogue.AddItem("One too many", "e.avi") == NULL);
    CHECK_EQ(catalogue.ItemCount(), previewItemCapacity);
}

// ---------------------------------------------------------------- list boxes and starting entries

TEST_CASE(FillListBoxAndStartSelected)
{
    std::string folder = CatalogueFolder("previews-start", "Demos.ini",
                                         "[Sky]\r\nName=Sky Demo\r\nFile=Sky\\SKYDEMO.EXE\r\n"
                                         "[Gone]\r\nName=Gone Demo\r\nFile=Gone\\GONE.EXE\r\n");
    PlaceDemoProgram(folder, "Sky", "SKYDEMO.EXE");
    std::string record = ExpectStart(demoRecordVariable, folder, "demo-started.txt");
    PreviewCatalogue catalogue;
    REQUIRE(catalogue.Load("Demos.ini", folder.c_str()));

    HWND list = MakeListBox();
    REQUIRE(list != NULL);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("left over"));
    CHECK(!catalogue.FillListBox(NULL));
    CHECK(catalogue.FillListBox(list));
    CHECK_EQ(static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)), 2);
    for (int row = 0; row < 2; ++row)
        CHECK(SendMessageA(list, LB_GETITEMDATA, row, 0) == reinterpret_cast<LRESULT>(catalogue.Item(row)));

    CHECK(!catalogue.StartSelected(list));  // no row selected
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    CHECK(!catalogue.StartSelected(list));  // the shell finds no such file
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    CHECK(catalogue.StartSelected(list));
    StartRecord started = WaitForStartRecord(record);
    CHECK(started.written);
    CHECK(started.command.find(folder + "\\Sky\\SKYDEMO.EXE") != std::string::npos);

    // A row whose value is no entry of this catalogue starts nothing.
    PreviewCatalogue other;
    REQUIRE(other.Load("Demos.ini", folder.c_str()));
    SendMessageA(list, LB_SETITEMDATA, 0, reinterpret_cast<LPARAM>(other.Item(0)));
    CHECK(!catalogue.StartSelected(list));
    SendMessageA(list, LB_SETITEMDATA, 0, 0);
    CHECK(!other.StartSelected(list));
    DestroyWindow(list);
}

// ---------------------------------------------------------------- the dialog

namespace {

// Both catalogues with one runnable entry each, pointing at the stand-in demo program.
void LoadRunnableCatalogues(const std::string& folder)
{
    WriteFileBytes(JoinPath(folder, "Movies.ini"), "[Clip]\r\nName=Clip\r\nFile=Movies\\CLIP.EXE\r\n");
    WriteFileBytes(JoinPath(folder, "Demos.ini"), "[Sky]\r\nName=Sky Demo\r\nFile=Demos\\SKYDEMO.EXE\r\n");
    PlaceDemoProgram(folder, "Movies", "CLIP.EXE");
    PlaceDemoProgram(folder, "Demos", "SKYDEMO.EXE");
    DestroyPreviewCatalogues();
    movieCatalogue = new PreviewCatalogue();
    demoCatalogue = new PreviewCatalogue();
    REQUIRE(movieCatalogue->Load("Movies.ini", folder.c_str()));
    REQUIRE(demoCatalogue->Load("Demos.ini", folder.c_str()));
}

INT_PTR ShowTemplate(const char* name)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    return DialogBoxParamA(instance, name, NULL, PreviewDialogProc, reinterpret_cast<LPARAM>(instance));
}

// Checks that the start just made wrote a record naming program, and clears it for the next start.
void ExpectStarted(const std::string& record, const std::string& program)
{
    StartRecord started = WaitForStartRecord(record);
    CHECK(started.written);
    CHECK(started.command.find(program) != std::string::npos);
    DeleteFileA(record.c_str());
}

}  // namespace

TEST_CASE(DoubleClickStartsAnEntryLikeItsButton)
{
    std::string folder = FreshWorkFolder("previews-dialog");
    LoadRunnableCatalogues(folder);
    std::string record = ExpectStart(demoRecordVariable, folder, "started.txt");
    std::string clip = folder + "\\Movies\\CLIP.EXE";
    std::string demo = folder + "\\Demos\\SKYDEMO.EXE";

    DialogDriver driver;
    driver.Then([&](HWND dialog) {
        CHECK(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0) != 0);
        CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_MOVIES)), std::string("Clip"));
        CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_DEMOS)), std::string("Sky Demo"));

        ClickButton(dialog, IDC_PREVIEW_PLAY_MOVIE);  // nothing selected: nothing starts
        Sleep(300);
        CHECK(!FileExists(record));

        SelectListRow(dialog, IDC_PREVIEW_MOVIES, 0);
        ClickButton(dialog, IDC_PREVIEW_PLAY_MOVIE);
        ExpectStarted(record, clip);
        DoubleClickListRow(dialog, IDC_PREVIEW_MOVIES, 0);
        ExpectStarted(record, clip);

        SelectListRow(dialog, IDC_PREVIEW_DEMOS, 0);
        ClickButton(dialog, IDC_PREVIEW_START_DEMO);
        ExpectStarted(record, demo);
        DoubleClickListRow(dialog, IDC_PREVIEW_DEMOS, 0);
        ExpectStarted(record, demo);

        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(ShowTemplate("PREVIEWS"), 0);
    CHECK_EQ(driver.Leftovers(), "");
    DestroyPreviewCatalogues();
    CHECK(movieCatalogue == NULL && demoCatalogue == NULL);
}

TEST_CASE(EachTemplateFillsOnlyTheListsItHas)
{
    std::string folder = FreshWorkFolder("previews-templates");
    LoadRunnableCatalogues(folder);
    DialogDriver driver;
    driver.Then([](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_MOVIES)), std::string("Clip"));
        CHECK(GetDlgItem(dialog, IDC_PREVIEW_DEMOS) == NULL);
        CHECK(GetDlgItem(dialog, IDC_PREVIEW_START_DEMO) == NULL);
        EndWith(dialog, IDOK);
    });
    driver.Then([](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_PREVIEW_DEMOS)), std::string("Sky Demo"));
        CHECK(GetDlgItem(dialog, IDC_PREVIEW_MOVIES) == NULL);
        CHECK(GetDlgItem(dialog, IDC_PREVIEW_PLAY_MOVIE) == NULL);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(ShowTemplate("MOVIES"), 0);
    CHECK_EQ(ShowTemplate("DEMOS"), 0);
    CHECK_EQ(driver.Leftovers(), "");
    DestroyPreviewCatalogues();
}

TEST_CASE(ShowPreviewsWithoutInstanceDoesNothing)
{
    DialogDriver driver;
    CHECK_EQ(ShowPreviews(NULL, NULL), 0);
    CHECK(driver.Seen().empty());
    CHECK(movieCatalogue == NULL && demoCatalogue == NULL);
}
