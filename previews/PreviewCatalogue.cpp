// A preview catalogue of the game disc: the entries of one profile (INI) file, in file order.
#include "previews/PreviewCatalogue.h"

#include <new>

#include "previews/PreviewText.h"
#include "utils/ListBoxRows.h"

PreviewCatalogue::PreviewCatalogue() : itemCount(0)
{
    iniName[0] = '\0';
    folder[0] = '\0';
}

PreviewCatalogue::~PreviewCatalogue()
{
    Clear();
}

void PreviewCatalogue::Clear()
{
    for (size_t i = 0; i < itemCount; ++i) delete items[i];
    itemCount = 0;
    iniName[0] = '\0';
    folder[0] = '\0';
}

BOOL PreviewCatalogue::Load(const char* fileName, const char* folderText)
{
    if (!fileName) return FALSE;
    // A name or folder that does not fit is refused rather than cut: a cut path names another file.
    if (lstrlenA(fileName) >= static_cast<int>(sizeof iniName)) return FALSE;
    lstrcpynA(iniName, fileName, sizeof iniName);
    if (folderText && folderText[0] != '\0') {
        if (lstrlenA(folderText) >= static_cast<int>(sizeof folder)) return FALSE;
        lstrcpynA(folder, folderText, sizeof folder);
    } else {
        DWORD length = GetCurrentDirectoryA(currentFolderReadSize, folder);
        if (length == 0 || length >= currentFolderReadSize) {
            folder[0] = '\0';
            return FALSE;
        }
    }

    char path[MAX_PATH];
    if (!JoinPreviewPath(folder, iniName, path, sizeof path)) return FALSE;

    char names[sectionNamesCapacity];
    ZeroMemory(names, sizeof names);
    DWORD reported = GetPrivateProfileSectionNamesA(names, sectionNamesReadSize, path);
    if (reported <= 1) return FALSE;  // no file, or a file without sections

    // The platform answers size - 2 both for a list that was cut and for one that fills the area to its
    // last bytes, and the bytes of its first answer cannot tell a complete last name from a cut one. So
    // the whole area is read again, and a name counts when its own NUL lies within the first size - 1
    // bytes, leaving the last byte for the NUL that closes the list. A name that runs past them is cut by
    // the limit: it is no section of the file and would become a blank entry that opens the folder.
    DWORD length = reported + 1;
    if (reported == sectionNamesReadSize - 2) {
        if (GetPrivateProfileSectionNamesA(names, sectionNamesCapacity, path) <= 1) return FALSE;
        length = sectionNamesReadSize - 1;
    }
    SectionNameWalk walk(names, length);
    for (const char* section = walk.Next(); section; section = walk.Next()) {
        char name[previewValueCapacity];
        char file[previewValueCapacity];
        GetPrivateProfileStringA(section, "Name", "", name, sizeof name, path);
        GetPrivateProfileStringA(section, "File", "", file, sizeof file, path);
        if (!AddItem(name, file)) return FALSE;
    }
    return TRUE;
}

PreviewItem* PreviewCatalogue::AddItem(const char* name, const char* file)
{
    if (!name || !file || itemCount == previewItemCapacity) return nullptr;
    PreviewItem* item = new (std::nothrow) PreviewItem(name, file, folder);
    if (!item) return nullptr;
    items[itemCount++] = item;
    return item;
}

BOOL PreviewCatalogue::FillListBox(HWND listBox) const
{
    if (!listBox) return FALSE;
    ClearListRows(listBox);
    for (size_t i = 0; i < itemCount; ++i) AddListRow(listBox, items[i]->Name(), reinterpret_cast<LPARAM>(items[i]));
    return TRUE;
}

BOOL PreviewCatalogue::StartSelected(HWND listBox) const
{
    if (!listBox) return FALSE;
    LPARAM value = 0;
    if (!ListRowData(listBox, SelectedListRow(listBox), &value) || value == 0) return FALSE;
    // Only an entry of this catalogue is started: a row filled from elsewhere could hold a dangling pointer.
    for (size_t i = 0; i < itemCount; ++i) {
        if (reinterpret_cast<LPARAM>(items[i]) == value) return items[i]->Start();
    }
    return FALSE;
}
