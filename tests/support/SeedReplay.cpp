// Feeds every file under the folders given (and their subfolders) once to a fuzz target's entry function:
// the seed corpora as a regression pass where libFuzzer does not run. Fails when a folder holds no seed.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool ReplayFile(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    if (ok) LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return ok;
}

// Replays the files of a folder tree; the number of seeds, or -1 when something could not be read.
long ReplayTree(const std::string& folder)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir) return -1;
    long count = 0;
    for (;;) {
        errno = 0;
        dirent* entry = readdir(dir);
        if (!entry) {
            if (errno != 0) count = -1;
            break;
        }
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        std::string path = folder + "/" + name;
        struct stat info;
        if (stat(path.c_str(), &info) != 0) {
            count = -1;
        } else if (S_ISDIR(info.st_mode)) {
            long inner = ReplayTree(path);
            count = inner < 0 || count < 0 ? -1 : count + inner;
        } else if (!ReplayFile(path)) {
            count = -1;
        } else if (count >= 0) {
            ++count;
        }
    }
    closedir(dir);
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SEED-FOLDER...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        long count = ReplayTree(argv[i]);
        if (count <= 0) {
            std::printf("%s: %s\n", argv[i], count < 0 ? "cannot be read whole" : "holds no seed");
            return 1;
        }
        std::printf("%s: %ld seeds replayed\n", argv[i], count);
    }
    return 0;
}
