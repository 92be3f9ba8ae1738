// One entry of a preview catalogue: the name shown, the file to open and the catalogue's folder.
#ifndef TUMBLERIDGE_PREVIEWITEM_H
#define TUMBLERIDGE_PREVIEWITEM_H

#include <windows.h>

// Room for a "Name" or "File" value: 59 characters and the NUL.
const int previewValueCapacity = 60;
// Room for a catalogue folder: MAX_PATH, NUL included.
const int previewFolderCapacity = MAX_PATH;
// Room for folder + "\" + file.
const int previewPathCapacity = previewFolderCapacity + previewValueCapacity + 1;

class PreviewItem {
public:
    PreviewItem();
    // Copies the three texts, each cut to its capacity.
    PreviewItem(const char* name, const char* file, const char* folder);

    // folder + "\" (unless the folder ends in one; an empty folder gets it too) + file. False, with an empty
    // output, when it does not fit.
    BOOL FullPath(char* output, int capacity) const;
    // Opens FullPath through the shell; true when the shell accepted it. Shows nothing either way.
    BOOL Start() const;

    const char* Name() const { return name; }
    const char* File() const { return file; }
    const char* Folder() const { return folder; }

private:
    char name[previewValueCapacity];
    char file[previewValueCapacity];
    char folder[previewFolderCapacity];
};

#endif
