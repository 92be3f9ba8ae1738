// A preview catalogue of the game disc: the entries of one profile (INI) file, in file order.
#ifndef TUMBLERIDGE_PREVIEWCATALOGUE_H
#define TUMBLERIDGE_PREVIEWCATALOGUE_H

#include <windows.h>

#include "previews/PreviewItem.h"

// The section names are read into this much room; the profile function is told 4 bytes less.
const DWORD sectionNamesCapacity = 1024;
const DWORD sectionNamesReadSize = 1020;
// Room for the current folder when a catalogue is loaded without one.
const DWORD currentFolderReadSize = 250;
// The most entries a catalogue holds: every section name takes at least two of the bytes read.
const size_t previewItemCapacity = sectionNamesCapacity / 2;

class PreviewCatalogue {
public:
    PreviewCatalogue();
    ~PreviewCatalogue();  // Clear, then the list itself

    // Reads folder\fileName (the current folder for an empty folder): one entry per section, with its
    // "Name" and "File" values (59 characters each at most). False for a null name, a path that does not
    // fit, a missing file, a file without sections, or an entry that could not be added (the entries added
    // before it stay).
    BOOL Load(const char* fileName, const char* folder);
    // Deletes every entry and empties both texts.
    void Clear();
    // Appends an entry with a copy of the current folder; the catalogue owns it. Null when either text is
    // null, the catalogue is full or no memory is left.
    PreviewItem* AddItem(const char* name, const char* file);
    // Empties the list box and adds a row per entry: the name as text, the entry as item value. False for
    // a null list box.
    BOOL FillListBox(HWND listBox) const;
    // Starts the entry of the selected row; false when no row is selected, the row holds no entry of this
    // catalogue, or the shell refused the file.
    BOOL StartSelected(HWND listBox) const;

    const char* IniName() const { return iniName; }
    const char* Folder() const { return folder; }
    size_t ItemCount() const { return itemCount; }
    const PreviewItem* Item(size_t index) const { return index < itemCount ? items[index] : nullptr; }

private:
    PreviewCatalogue(const PreviewCatalogue&) = delete;
    PreviewCatalogue& operator=(const PreviewCatalogue&) = delete;

    char iniName[MAX_PATH];
    char folder[previewFolderCapacity];
    PreviewItem* items[previewItemCapacity];
    size_t itemCount;
};

#endif
