// A game folder holding copies of the stand-in renderer plug-ins, made the current folder for a test,
// with a fresh registry, start-up texts and no display catalogue.
#ifndef TUMBLERIDGE_DISPLAYTESTSUPPORT_H
#define TUMBLERIDGE_DISPLAYTESTSUPPORT_H

#include "TestFiles.h"

#include <memory>
#include <string>
#include <vector>

class PluginFolder {
public:
    PluginFolder(const std::string& name, const std::vector<std::string>& plugins);
    ~PluginFolder();

    std::string Path(const std::string& file) const { return JoinPath(path, file); }
    void Add(const std::string& plugin) const;  // one more stand-in plug-in
    void Write(const std::string& file, const std::string& bytes) const;
    std::string Read(const std::string& file) const;
    std::vector<std::string> Files() const;  // bare names of every file in the folder

    std::string path;

private:
    std::unique_ptr<CurrentFolder> current;
};

#endif
