// Feeds every file in the seed folders given once to a fuzz target's entry function: the seeds as a
// regression pass where libFuzzer does not run. Fails when a folder holds no seed or one cannot be read.
#include <dirent.h>

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

// The number of seeds replayed, or -1 when the folder or one of its files could not be read.
long ReplayFolder(const std::string& folder)
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
        if (!ReplayFile(folder + "/" + name)) {
            count = -1;
            break;
        }
        ++count;
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
        long count = ReplayFolder(argv[i]);
        if (count <= 0) {
            std::printf("%s: %s\n", argv[i], count < 0 ? "cannot be read" : "holds no seed");
            return 1;
        }
        std::printf("%s: %ld seeds replayed\n", argv[i], count);
    }
    return 0;
}
