// One entry of a preview catalogue: the name shown, the file to open and the catalogue's folder.
#include "previews/PreviewItem.h"

#include "launcher/ShellTargets.h"
#include "previews/PreviewText.h"

PreviewItem::PreviewItem()
{
    name[0] = '\0';
    file[0] = '\0';
    folder[0] = '\0';
}

PreviewItem::PreviewItem(const char* nameText, const char* fileText, const char* folderText)
{
    lstrcpynA(name, nameText ? nameText : "", sizeof name);
    lstrcpynA(file, fileText ? fileText : "", sizeof file);
    lstrcpynA(folder, folderText ? folderText : "", sizeof folder);
}

BOOL PreviewItem::FullPath(char* output, int capacity) const
{
    if (!output || capacity <= 0) return FALSE;
    return JoinPreviewPath(folder, file, output, static_cast<size_t>(capacity));
}

BOOL PreviewItem::Start() const
{
    char path[previewPathCapacity];
    if (!FullPath(path, sizeof path) || path[0] == '\0') return FALSE;
    return OpenWithShell(nullptr, path) ? TRUE : FALSE;
}
