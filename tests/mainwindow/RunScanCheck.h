// Records of what the run-length loops make of some codes, for comparing the word scan and the fastest scan of
// the processor with each other and with a byte-at-a-time reference, in the tests and the fuzz targets.
#ifndef TUMBLERIDGE_RUNSCANCHECK_H
#define TUMBLERIDGE_RUNSCANCHECK_H

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mainwindow/RunDecode.h"

typedef ImageStatus (*LineDecoder)(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count);

inline ImageStatus WordLine(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count)
{
    return DecodeRunLengthLine(RunScanWord, bytes, size, position, out, count);
}
// The vector scan where this processor runs it, else the word scan again.
inline ImageStatus FastestLine(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count)
{
    return DecodeRunLengthLine(FastestRunScan(), bytes, size, position, out, count);
}

// Whether the scan chosen here is the one the test's command expects of the processor it runs on
// (TR_EXPECTED_RUN_SCAN, "vector" or "word": a run under an emulated processor without SSE2 expects the word
// scan). True when nothing is expected, as in a run by hand.
inline bool RunScanAsExpected()
{
    const char* expected = std::getenv("TR_EXPECTED_RUN_SCAN");
    return !expected || std::string(expected) == (FastestRunScan() == RunScanVector ? "vector" : "word");
}

// The plain reading of the line codes, one code at a time.
inline ImageStatus ReferenceLine(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count)
{
    size_t pos = *position;
    for (size_t filled = 0; filled < count;) {
        if (pos >= size) return ImageCodesEnd;
        uint8_t code = bytes[pos++];
        if (code < 0xC0) {
            out[filled++] = code;
            continue;
        }
        if (pos >= size) return ImageCodesEnd;
        uint8_t value = bytes[pos++];
        if (size_t(code & 0x3F) > count - filled) return ImageRunPastRow;
        for (int i = 0; i < (code & 0x3F); ++i) out[filled++] = value;
    }
    *position = pos;
    return ImageOk;
}

const size_t guardBytes = 80;

// Whether the guard bytes on both sides of count bytes at line are as filled in.
inline bool GuardsKept(const std::vector<uint8_t>& line, size_t count)
{
    static const std::vector<uint8_t> guard(guardBytes, 0xA5);
    return std::memcmp(line.data(), guard.data(), guardBytes) == 0 &&
           std::memcmp(line.data() + guardBytes + count, guard.data(), guardBytes) == 0;
}

// Decodes lines of count bytes one after another until one fails: each line's status and end position, its
// bytes when it was decoded, and "guard" where anything outside the line was written.
inline std::string LineRecord(LineDecoder decode, const uint8_t* bytes, size_t size, size_t count)
{
    std::string record;
    size_t pos = 0;
    std::vector<uint8_t> line(count + 2 * guardBytes);
    for (ImageStatus status = ImageOk; status == ImageOk;) {
        std::fill(line.begin(), line.end(), 0xA5);
        status = decode(bytes, size, &pos, line.data() + guardBytes, count);
        record += std::to_string(status) + "@" + std::to_string(pos) + (GuardsKept(line, count) ? ":" : "guard:");
        if (status == ImageOk) record.append(line.begin() + guardBytes, line.end() - guardBytes);
        if (count == 0) break;
    }
    return record;
}

// Decodes packed runs into a surface of width by height (rows of rowBytes, with guards around it) with scan:
// the status, and the surface when decoded.
inline std::string PackedRecord(RunScan scan, const uint8_t* bytes, size_t size, int32_t width, int32_t height,
                                uint8_t fill)
{
    int32_t rowBytes = (width + 3) & ~3;
    std::vector<uint8_t> memory(size_t(rowBytes) * height + 2 * guardBytes, 0xA5);
    std::vector<int32_t> offsets(static_cast<size_t>(height));
    for (int32_t r = 0; r < height; ++r) offsets[size_t(r)] = (height - 1 - r) * rowBytes;
    RowTarget target = {memory.data() + guardBytes, offsets.data(), {width, height, height, 8, rowBytes, 0}};
    ImageStatus status = DecodePackedRunRows(scan, bytes, size, 0, fill, target);
    std::string record = std::to_string(status) + (GuardsKept(memory, memory.size() - 2 * guardBytes) ? ":" : "guard:");
    if (status == ImageOk) record.append(memory.begin(), memory.end());
    return record;
}

#endif
