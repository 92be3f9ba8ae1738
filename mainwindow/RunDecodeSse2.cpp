// The SSE2 scan of the run-length loops: blocks of sixteen bytes. In the 32-bit builds this is the one file
// compiled with -msse2, and it runs only where FastestRunScan() found SSE2. No windows.h.
#include "mainwindow/RunDecodeLoops.h"

#if TR_RUN_SCAN_SSE2
#if !defined(__SSE2__) && !defined(_M_X64)
#error "RunDecodeSse2.cpp must be compiled for SSE2 (-msse2 in the 32-bit builds)"
#endif
#include <emmintrin.h>

namespace {

// Blocks of sixteen bytes in an SSE2 register.
struct VectorBlocks {
    typedef __m128i Block;
    static const size_t width = 16;
    static Block Load(const uint8_t* from) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)); }
    static void Store(uint8_t* to, Block block) { _mm_storeu_si128(reinterpret_cast<__m128i*>(to), block); }
    static Block Repeat(uint8_t value) { return _mm_set1_epi8(char(value)); }
    static uint64_t BlockRunCodes(Block block)
    {
        const __m128i high = _mm_set1_epi8(char(0xC0));
        return uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(block, high), high)));
    }
    static uint64_t RunCodes(const uint8_t* from)
    {
        uint64_t codes = 0;
        for (size_t i = 0; i < windowBytes; i += width) codes |= BlockRunCodes(Load(from + i)) << i;
        return codes;
    }
    // Copies a window and finds its run codes in the blocks loaded for the copy.
    static uint64_t CopyWindow(uint8_t* to, const uint8_t* from)
    {
        uint64_t codes = 0;
        for (size_t i = 0; i < windowBytes; i += width) {
            Block block = Load(from + i);
            Store(to + i, block);
            codes |= BlockRunCodes(block) << i;
        }
        return codes;
    }
};

}  // namespace

ImageStatus DecodeRunLengthLineSse2(const uint8_t* bytes, size_t size, size_t* position, uint8_t* out, size_t count)
{
    return DecodeLine<VectorBlocks>(bytes, size, position, out, count);
}

ImageStatus DecodePackedRunRowsSse2(const uint8_t* bytes, size_t size, size_t position, uint8_t fill,
                                    const RowTarget& target)
{
    return DecodePacked<VectorBlocks>(bytes, size, position, fill, target);
}
#endif
