// A game folder with stand-in renderer plug-ins for the display tests.
#include "DisplayTestSupport.h"

#include "TestRegistry.h"
#include "display/DisplayDialog.h"
#include "launcher/LauncherState.h"

#include <windows.h>

PluginFolder::PluginFolder(const std::string& name, const std::vector<std::string>& plugins)
    : path(FreshWorkFolder(name))
{
    ClearLauncherSettings();
    OpenTestStore();
    displayWarned = 0;
    DestroyDisplayCatalogue();
    for (const std::string& plugin : plugins) Add(plugin);
    current.reset(new CurrentFolder(path));
}

PluginFolder::~PluginFolder()
{
    DestroyDisplayCatalogue();
    current.reset();
    CloseTestStore();
}

void PluginFolder::Add(const std::string& plugin) const
{
    CopyInto(StandinPath(plugin), Path(plugin));
}

void PluginFolder::Write(const std::string& file, const std::string& bytes) const
{
    WriteFileBytes(Path(file), bytes);
}

std::string PluginFolder::Read(const std::string& file) const
{
    std::string bytes;
    if (!ReadFileBytes(Path(file), &bytes)) return "(missing)";
    return bytes;
}

std::vector<std::string> PluginFolder::Files() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Path("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}
