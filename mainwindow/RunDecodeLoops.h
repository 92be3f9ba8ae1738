// The run-length loops as templates over a kind of block, included by the word scan's file and by the SSE2
// scan's file, which is the only one compiled for SSE2 in the 32-bit builds. No windows.h.
//
// Each loop has quick parts, taken while whole blocks of input can be read and the widest store they make
// still lies inside the line or row, and a careful part, a byte at a time, for the last codes before that edge.
// The quick parts store whole blocks and let later codes overwrite what went past the bytes decoded so far, so
// that a code costs a few instructions and hardly a branch on its length.
//
// Everything here has internal linkage: a function that both files instantiate must not become one definition
// for the linker to pick, or the word scan could run a copy compiled for SSE2.
#ifndef TUMBLERIDGE_RUNDECODELOOPS_H
#define TUMBLERIDGE_RUNDECODELOOPS_H

#include <cstring>

#include "mainwindow/RunDecode.h"

// Whether this target has the SSE2 scan (RunDecodeSse2.cpp): every x86 build, 32- or 64-bit.
#if defined(__i386__) || defined(__x86_64__) || defined(_M_IX86) || defined(_M_X64)
#define TR_RUN_SCAN_SSE2 1

// The SSE2 scan's loops; call them only where FastestRunScan() gives RunScanVector.
ImageStatus DecodeRunLengthLineSse2(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count);
ImageStatus DecodePackedRunRowsSse2(const uint8_t* bytes, size_t size, size_t position, uint8_t fill,
                                    const RowTarget& target);
#endif

namespace {

// Index of the lowest set bit of a nonzero value.
inline size_t LowestBit(uint64_t value)
{
#if defined(__GNUC__)
    return size_t(__builtin_ctzll(value));
#else
    size_t index = 0;
    while (!(value & 1)) value >>= 1, ++index;
    return index;
#endif
}

// Run codes are looked for in windows of 64 bytes, one bit per byte.
const size_t windowBytes = 64;

// Copies a window from from to to, in whole blocks, for the plain bytes at its start: storing the whole window
// whatever their number costs less than a branch on it. The window at from and at to must lie inside the input
// and the line.
template <class Blocks>
inline void CopyPlain(uint8_t* to, const uint8_t* from)
{
    for (size_t i = 0; i < windowBytes; i += Blocks::width) Blocks::Store(to + i, Blocks::Load(from + i));
}

// Writes count bytes (at most a window) of value at to, in whole blocks. Roomy: a whole window when count passes
// one block, so that the number of stores hardly depends on count. Otherwise max(count, width) bytes.
template <class Blocks>
inline void StoreRun(uint8_t* to, typename Blocks::Block value, size_t count, bool roomy)
{
    const size_t w = Blocks::width;
    Blocks::Store(to, value);
    if (count <= w) return;
    if (roomy) {
        for (size_t i = w; i < windowBytes; i += w) Blocks::Store(to + i, value);
        return;
    }
    for (size_t i = w; i + w < count; i += w) Blocks::Store(to + i, value);
    Blocks::Store(to + count - w, value);
}

template <class Blocks>
ImageStatus DecodeLine(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count)
{
    const size_t w = Blocks::width;
    size_t pos = *position;
    size_t filled = 0;
    if (pos > size) return ImageCodesEnd;
    // Window part: each window of input is copied to the line as it is, and its run codes are found in the
    // blocks loaded for the copy. A window with at most one code, the common case in detailed pictures, is
    // finished without a branch on whether it has one, which would be missed at every code: the code's run is
    // stored after the plain bytes before it and the window's bytes after the code are copied after the run;
    // with no code the window's last byte stands in for one, as a run of two of itself whose second byte and
    // the copy after it the next window overwrites. The next window is read a whole window on, so that its
    // loads do not wait for this window's codes. A window with more codes, or with a code whose byte lies in
    // the next window, has each further code cost a copy of the window from where the last one ended, and its
    // bytes after the last code copied as a whole window. Taken while three windows can be read; the stores
    // for a window with at most one code reach at most three windows on, the others follow a check on the
    // room left in the line.
    uint64_t pending = 0;  // the codes of the window at base not yet decoded
    size_t base = pos;
    for (;;) {
        if (!pending) {
            if (count - filled < windowBytes || size - pos <= 3 * windowBytes) break;
            pending = Blocks::CopyWindow(out + filled, bytes + pos);
            if (count - filled >= 3 * windowBytes && !((pending & (pending - 1)) | (pending >> 63))) {
                size_t found = pending != 0;
                size_t code = LowestBit(pending | uint64_t(1) << 63);
                size_t run = (bytes[pos + code] & 0x3F & (0 - found)) | (2 & (found - 1));
                StoreRun<Blocks>(out + filled + code, Blocks::Repeat(bytes[pos + code + found]), run, true);
                CopyPlain<Blocks>(out + filled + code + run, bytes + pos + code + 2);
                filled += windowBytes + run - 2;
                pos += windowBytes;
                pending = 0;
                continue;
            }
            if (!pending) {
                pos += windowBytes;
                filled += windowBytes;
                continue;
            }
            base = pos;
        } else {
            if (count - filled < windowBytes) break;
            CopyPlain<Blocks>(out + filled, bytes + pos);
        }
        size_t code = base + LowestBit(pending);
        size_t plain = code - pos;
        if (count - filled < plain + windowBytes) break;
        filled += plain;
        size_t run = bytes[code] & 0x3F;
        StoreRun<Blocks>(out + filled, Blocks::Repeat(bytes[code + 1]), run, true);
        filled += run;
        pos = code + 2;
        pending &= ~(uint64_t(3) << (code - base));  // the code and its byte, which may look like a code
        if (!pending && pos < base + windowBytes) {
            if (count - filled < windowBytes) break;
            CopyPlain<Blocks>(out + filled, bytes + pos);
            filled += base + windowBytes - pos;
            pos = base + windowBytes;
        }
    }
    // Block part: the plain bytes before the first run code of a block, then the run, stored a block at a
    // time; taken while a block and the byte after it can be read and two blocks fit in the line.
    while (count - filled >= 2 * w && size - pos > w) {
        typename Blocks::Block block = Blocks::Load(bytes + pos);
        Blocks::Store(out + filled, block);
        uint64_t codes = Blocks::BlockRunCodes(block);
        if (!codes) {
            pos += w;
            filled += w;
            continue;
        }
        size_t plain = LowestBit(codes);
        pos += plain;
        filled += plain;
        size_t run = bytes[pos] & 0x3F;
        if (run > count - filled) return ImageRunPastRow;
        StoreRun<Blocks>(out + filled, Blocks::Repeat(bytes[pos + 1]), run, false);
        filled += run;
        pos += 2;
    }
    // Careful part: a span of plain bytes is copied in one block, up to the next run code or the line's end.
    while (filled < count) {
        if (pos >= size) return ImageCodesEnd;
        uint8_t code = bytes[pos];
        if (code < 0xC0) {
            size_t limit = pos + (count - filled) < size ? pos + (count - filled) : size;
            size_t end = pos + 1;
            if (size - pos >= windowBytes) {
                // Up to the window's first code; a stretch that goes on is continued from there.
                uint64_t codes = Blocks::RunCodes(bytes + pos);
                end = codes ? pos + LowestBit(codes) : pos + windowBytes;
                end = end < limit ? end : limit;
            }
            while (end < limit && bytes[end] < 0xC0) ++end;
            std::memcpy(out + filled, bytes + pos, end - pos);
            filled += end - pos;
            pos = end;
            continue;
        }
        ++pos;
        if (pos >= size) return ImageCodesEnd;
        size_t run = code & 0x3F;
        uint8_t value = bytes[pos++];
        if (run > count - filled) return ImageRunPastRow;
        std::memset(out + filled, value, run);
        filled += run;
    }
    *position = pos;
    return ImageOk;
}

const size_t longestPackedCode = 0x7F;

template <class Blocks>
ImageStatus DecodePacked(const uint8_t* bytes, size_t size, size_t pos, uint8_t fill, const RowTarget& target)
{
    constexpr size_t w = Blocks::width;
    // Whole blocks cover the longest code: what the quick part may read past a code, and the fill source.
    constexpr size_t span = (longestPackedCode + w - 1) / w * w;
    uint8_t fills[span];
    std::memset(fills, fill, span);
    size_t width = size_t(target.layout.width);
    if (pos > size) return ImageCodesEnd;
    // Rows are decoded in place: a copy through a buffer in the nearest cache costs more than the surface's
    // stores save.
    for (int32_t r = 0; r < target.layout.height; ++r) {
        uint8_t* row = target.bits + target.rowOffsets[r];
        size_t column = 0;
        // Quick part: the code and a span after it can be read, and a span still fits in the row.
        while (width - column >= span && size - pos > span) {
            uint8_t code = bytes[pos++];
            size_t count = code & 0x7F;
            bool repeat = code & 0x80;
            const uint8_t* from = repeat ? fills : bytes + pos;
            pos += repeat ? 0 : count;
            for (size_t i = 0; i < count; i += w) Blocks::Store(row + column + i, Blocks::Load(from + i));
            column += count;
        }
        while (column < width) {
            if (pos >= size) return ImageCodesEnd;
            uint8_t code = bytes[pos++];
            size_t count = code & 0x7F;
            if (count > width - column) return ImageRunPastRow;
            if (code >= 0x80) {
                std::memset(row + column, fill, count);
            } else {
                if (count > size - pos) return ImageCodesEnd;
                std::memcpy(row + column, bytes + pos, count);
                pos += count;
            }
            column += count;
        }
    }
    return ImageOk;
}

}  // namespace

#endif
