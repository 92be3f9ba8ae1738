// Decoder benchmark: large PCX, PID and RID pictures decoded by the launcher's readers, beside a plain
// memcpy of the same output bytes (the limit) and beside Pillow's PCX decoder on the same PCX file.
//   imagebench FOLDER [SIZE]     writes the pictures into FOLDER (default size 4096 by 4096)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PictureBuilders.h"
#include "mainwindow/ImageDecode.h"

namespace {

const int repeats = 5;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A picture with the mix of flat areas and detail that title screens have.
TestPicture BenchPicture(int size)
{
    TestPicture picture = {size, size, 1, Bytes(size_t(size) * size)};
    unsigned state = 12345;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            state = state * 1103515245u + 12345u;
            bool flat = ((x / 64) + (y / 64)) % 3 == 0;
            uint8_t value = flat ? uint8_t(y / 64) : uint8_t((x * 3 + y) / 16 + ((state >> 16) & 7));
            picture.pixels[size_t(y) * size + x] = value;
        }
    }
    return picture;
}

bool WriteBytes(const std::string& path, const Bytes& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// Best time of several decodes of the file into a fresh surface each time.
double TimeDecode(PictureFormat format, const Bytes& file)
{
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        MemorySurface surface;
        auto start = std::chrono::steady_clock::now();
        ImageStatus status = DecodePictureToMemory(format, file.data(), file.size(), &surface);
        double seconds = Seconds(start);
        if (status != ImageOk) {
            std::fprintf(stderr, "imagebench: decode failed: %s\n", DescribeImageStatus(status));
            std::exit(1);
        }
        best = std::min(best, seconds);
    }
    return best;
}

double TimeMemcpy(size_t bytes)
{
    Bytes source(bytes, 7), target(bytes);
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        Bytes fresh(bytes);  // a fresh target, as each decode has
        auto start = std::chrono::steady_clock::now();
        std::memcpy(fresh.data(), source.data(), bytes);
        best = std::min(best, Seconds(start));
        target.swap(fresh);
    }
    return best;
}

// Pillow's best decode time of the file, or a negative number when Python or Pillow is missing. TR_PYTHON
// names the interpreter (Debian's python3-pil belongs to /usr/bin/python3).
double TimePillow(const std::string& path)
{
    const char* python = std::getenv("TR_PYTHON");
    std::string command = std::string(python && *python ? python : "python3") +
                          " -c \"import sys, time\nfrom PIL import Image\nbest = 1e9\nfor _ in range(" +
                          std::to_string(repeats) +
                          "):\n    im = Image.open(sys.argv[1]); t = time.perf_counter(); im.load(); best = "
                          "min(best, time.perf_counter() - t)\nprint(best)\" '" +
                          path + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    double seconds = -1;
    if (std::fscanf(pipe, "%lf", &seconds) != 1) seconds = -1;
    pclose(pipe);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: imagebench FOLDER [SIZE]\n");
        return 2;
    }
    std::string folder = argv[1];
    int size = argc > 2 ? std::atoi(argv[2]) : 4096;
    if (size < 16 || size > 16384) size = 4096;
    TestPicture picture = BenchPicture(size);
    Bytes palette = TestPalette768(1);
    struct Entry {
        const char* name;
        PictureFormat format;
        Bytes file;
    } entries[] = {
        {"bench.pcx", PicturePcx, PcxFile(picture, 0, &palette)},
        {"bench.pid", PicturePacked, PidPackedFile(picture, 0)},
        {"bench.rid", PictureRaw, RidFile(picture)},
    };
    size_t outputBytes = size_t(size) * size;
    double limit = TimeMemcpy(outputBytes);
    double mb = double(outputBytes) / 1e6;
    std::printf("%d by %d, 8 bits: %.1f MB of pixels; memcpy %.0f MB/s\n", size, size, mb, mb / limit);
    std::printf("%-10s %10s %10s %12s %14s\n", "file", "file MB", "MB/s", "vs memcpy", "vs Pillow");
    for (Entry& entry : entries) {
        std::string path = folder + "/" + entry.name;
        if (!WriteBytes(path, entry.file)) {
            std::fprintf(stderr, "imagebench: %s cannot be written\n", path.c_str());
            return 1;
        }
        double ours = TimeDecode(entry.format, entry.file);
        std::string pillow = "-";
        if (entry.format == PicturePcx) {
            double theirs = TimePillow(path);
            pillow = theirs > 0 ? std::to_string(theirs / ours).substr(0, 5) + "x faster" : "no Pillow";
        }
        std::printf("%-10s %10.1f %10.0f %11.2fx %14s\n", entry.name, entry.file.size() / 1e6, mb / ours, limit / ours,
                    pillow.c_str());
    }
    return 0;
}
