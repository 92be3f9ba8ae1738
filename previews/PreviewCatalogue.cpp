// A preview catalogue of the game disc: the entries of one profile (INI) file, in file order.
#include "previews/PreviewCatalogue.h"

#include <algorithm>
#include <new>

#include "previews/PreviewText.h"

PreviewCatalogue::PreviewCatalogue()
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
    for (PreviewItem* item : items) delete item;
    items.clear();
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

    // The platform answers size - 2 both for a list that was cut (its last name cut short) and for one that
    // fits exactly. Asked again with the whole area, a list that fit comes back as long as before; a cut
    // one comes back longer, and then only the names that end within the first answer count: the cut name
    // is no section of the file and would become a blank entry that opens the folder.
    DWORD length = reported + 1;
    if (reported == sectionNamesReadSize - 2 &&
        GetPrivateProfileSectionNamesA(names, sectionNamesCapacity, path) != reported) {
        length = reported;
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
    if (!name || !file) return NULL;
    PreviewItem* item = new (std::nothrow) PreviewItem(name, file, folder);
    if (!item) return NULL;
    try {
        items.push_back(item);
    } catch (const std::bad_alloc&) {
        delete item;
        return NULL;
    }
    return item;
}

BOOL PreviewCatalogue::FillListBox(HWND listBox) const
{
    if (!listBox) return FALSE;
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    for (PreviewItem* item : items) {
        LRESULT row = SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item->Name()));
        if (row >= 0) SendMessageA(listBox, LB_SETITEMDATA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(item));
    }
    return TRUE;
}

BOOL PreviewCatalogue::StartSelected(HWND listBox) const
{
    if (!listBox) return FALSE;
    LRESULT row = SendMessageA(listBox, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return FALSE;
    LRESULT value = SendMessageA(listBox, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (value == LB_ERR || value == 0) return FALSE;
    // Only an entry of this catalogue is started: a row filled from elsewhere could hold a dangling pointer.
    PreviewItem* item = reinterpret_cast<PreviewItem*>(value);
    if (std::find(items.begin(), items.end(), item) == items.end()) return FALSE;
    return item->Start();
}
