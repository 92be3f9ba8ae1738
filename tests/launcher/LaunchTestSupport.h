// A game folder for end-to-end runs of the real launcher: the launcher, the stand-in engine, archives.
#ifndef TUMBLERIDGE_LAUNCHTESTSUPPORT_H
#define TUMBLERIDGE_LAUNCHTESTSUPPORT_H

#include <string>
#include <vector>

#include "TestFiles.h"

struct GameFolder {
    std::string path;

    // A fresh folder holding Tumbleridge.exe (under launcherName), optionally STRATHEX.EXE, and the archives.
    GameFolder(const std::string& name, const std::vector<std::string>& archives, bool withEngine = true,
               const std::string& launcherName = "Tumbleridge.exe");
    std::string Launcher() const { return JoinPath(path, launcherName); }
    std::string Engine() const { return JoinPath(path, "STRATHEX.EXE"); }
    // The stand-in engine's record: its command line and working folder ("" until it has run).
    std::string EngineCommand() const;
    std::string EngineFolder() const;
    bool WaitForEngineRecord() const;

    std::string launcherName;
};

#endif
