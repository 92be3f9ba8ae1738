// Decoder benchmark: large PCX, PID and RID pictures decoded by the launcher's readers, beside a plain
// memcpy of the same output bytes (the limit) and beside Pillow's PCX decoder on the same PCX file.
//   imagebench FOLDER [SIZE]     writes the pictures into FOLDER (default size 4096 by 4096)
// Each time is the best of several runs, in processor time of the timing thread (Pillow's too). A decode is timed into
// a surface made beforehand, as the memcpy target is; the "with surface" column adds the making of a fresh zeroed
// surface to the decode. Each decode is timed in turn with a memcpy, and its ratio is to that memcpy: on a shared
// machine the memory's speed drifts from second to second, and a pair taken together sees the same drift.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <time.h>

#include "PictureBuilders.h"
#include "mainwindow/ImageDecode.h"

namespace {

const int repeats = 11;

// The processor time this thread has used, in seconds: unlike the wall clock, it does not count the time
// other programs on a shared machine hold the processor, so the ratios stay steady under load.
double Now()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double Seconds(double since)
{
    return Now() - since;
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

// Pictures whose colours all lie below 0xC0: noise, so that neighbours agree one time in 192 and nearly
// every byte is coded as itself.
TestPicture PlainPicture(int size)
{
    TestPicture picture = {size, size, 1, Bytes(size_t(size) * size)};
    unsigned state = 777;
    for (uint8_t& pixel : picture.pixels) {
        state = state * 1103515245u + 12345u;
        pixel = uint8_t((state >> 16) % 0xC0);
    }
    return picture;
}

// A surface made before the timer starts, for each decode: the picture's memory and row table.
struct ReadySurface {
    Bytes bits;
    std::vector<int32_t> rowOffsets;
};

bool HandOutReadySurface(void* owner, const SurfaceLayout& layout, RowTarget* target)
{
    ReadySurface* surface = static_cast<ReadySurface*>(owner);
    if (surface->bits.size() != size_t(layout.rowBytes) * size_t(layout.height)) return false;
    target->bits = surface->bits.data();
    target->rowOffsets = surface->rowOffsets.data();
    target->layout = layout;
    return true;
}

void CheckDecoded(ImageStatus status)
{
    if (status == ImageOk) return;
    std::fprintf(stderr, "imagebench: decode failed: %s\n", DescribeImageStatus(status));
    std::exit(1);
}

// The time of one memcpy of source into a fresh target, zeroed just before as a decode's surface is. The
// source is read once first, as a decode's file has been by the decode before it.
double TimeOneMemcpy(const Bytes& source)
{
    Bytes warm(source.size());
    std::memcpy(warm.data(), source.data(), source.size());
    Bytes fresh(source.size());
    double start = Now();
    std::memcpy(fresh.data(), source.data(), source.size());
    return Seconds(start);
}

// Best times of several decodes of the file: into a surface made beforehand (*decode), into a fresh memory
// surface made by the decode (*withSurface), and of a memcpy of the decoded bytes taken in turn with them
// (*copy).
void TimeDecode(PictureFormat format, const Bytes& file, double* decode, double* withSurface, double* copy)
{
    *decode = *withSurface = *copy = 1e9;
    MemorySurface first;
    CheckDecoded(DecodePictureToMemory(format, file.data(), file.size(), &first));
    Bytes source(first.bits.size(), 7);
    for (int i = 0; i < repeats; ++i) {
        {
            MemorySurface made;
            double start = Now();
            CheckDecoded(DecodePictureToMemory(format, file.data(), file.size(), &made));
            *withSurface = std::min(*withSurface, Seconds(start));
        }
        ReadySurface ready = {
            Bytes(first.bits.size()),
            std::vector<int32_t>(first.rowOffsets.data(), first.rowOffsets.data() + first.rowOffsets.size())};
        double start = Now();
        CheckDecoded(DecodePictureBytes(format, file.data(), file.size(), HandOutReadySurface, &ready));
        *decode = std::min(*decode, Seconds(start));
        *copy = std::min(*copy, TimeOneMemcpy(source));
    }
}

// Pillow's best decode time of the file, or a negative number when Python or Pillow is missing. TR_PYTHON
// names the interpreter (Debian's python3-pil belongs to /usr/bin/python3).
double TimePillow(const std::string& path)
{
    const char* python = std::getenv("TR_PYTHON");
    std::string command = std::string(python && *python ? python : "python3") +
                          " -c \"import sys, time\nfrom PIL import Image\nbest = 1e9\nfor _ in range(" +
                          std::to_string(repeats) +
                          "):\n    im = Image.open(sys.argv[1]); t = time.thread_time(); im.load(); best = "
                          "min(best, time.thread_time() - t)\nprint(best)\" '" +
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
        double decode, withSurface, copy, pillow;
    } entries[] = {
        {"bench.pcx", PicturePcx, PcxFile(picture, 0, &palette), 0, 0, 0, -1},
        {"plain.pcx", PicturePcx, PcxFile(PlainPicture(size), 0, &palette), 0, 0, 0, -1},
        {"bench.pid", PicturePacked, PidPackedFile(picture, 0), 0, 0, 0, -1},
        {"bench.rid", PictureRaw, RidFile(picture), 0, 0, 0, -1},
    };
    size_t outputBytes = size_t(size) * size;
    double mb = double(outputBytes) / 1e6;
    std::printf("%d by %d, 8 bits: %.1f MB of pixels\n", size, size, mb);
    std::printf("%-10s %8s %8s %11s %10s %13s %10s\n", "file", "file MB", "MB/s", "memcpy MB/s", "vs memcpy",
                "with surface", "vs Pillow");
    for (Entry& entry : entries) {
        std::string path = folder + "/" + entry.name;
        if (!WriteBytes(path, entry.file)) {
            std::fprintf(stderr, "imagebench: %s cannot be written\n", path.c_str());
            return 1;
        }
        TimeDecode(entry.format, entry.file, &entry.decode, &entry.withSurface, &entry.copy);
        std::string pillow = "-";
        if (&entry == &entries[0]) {
            double theirs = TimePillow(path);
            entry.pillow = theirs > 0 ? theirs / entry.decode : -1;
            pillow = theirs > 0 ? std::to_string(entry.pillow).substr(0, 5) + "x" : "no Pillow";
        }
        std::printf("%-10s %8.1f %8.0f %11.0f %9.2fx %12.2fx %10s\n", entry.name, entry.file.size() / 1e6,
                    mb / entry.decode, mb / entry.copy, entry.copy / entry.decode, entry.copy / entry.withSurface,
                    pillow.c_str());
    }
    // The figures the decoders are held to, each a ratio measured in this run.
    std::printf("figures:\n");
    if (entries[0].pillow > 0)
        std::printf("  bench.pcx decode vs Pillow  %5.2fx (goal at least 3)\n", entries[0].pillow);
    else
        std::printf("  bench.pcx decode vs Pillow  no Pillow\n");
    std::printf("  plain.pcx decode vs memcpy  %5.2fx (goal at least 0.5)\n", entries[1].copy / entries[1].decode);
    std::printf("  bench.pid decode vs memcpy  %5.2fx (goal at least 0.6)\n", entries[2].copy / entries[2].decode);
    std::printf("  bench.rid decode vs memcpy  %5.2fx (goal at least 0.9)\n", entries[3].copy / entries[3].decode);
    return 0;
}
