// The run-length loops' word scan, which every processor runs, and the choice of the quickest scan. No
// windows.h: the 32-bit Windows build asks Windows about SSE2 through utils/ProcessorFeatures.
#include "mainwindow/RunDecodeLoops.h"

#include "utils/ProcessorFeatures.h"

namespace {

// Blocks of eight bytes in a machine word, in any byte order.
struct WordBlocks {
    typedef uint64_t Block;
    static const size_t width = 8;
    static Block Load(const uint8_t* from)
    {
        Block block;
        std::memcpy(&block, from, sizeof block);
        return block;
    }
    static void Store(uint8_t* to, Block block) { std::memcpy(to, &block, sizeof block); }
    static Block Repeat(uint8_t value) { return Block(value) * 0x0101010101010101u; }
    // One bit per byte of 0xC0 or more (a run code), the first byte in memory in bit 0.
    static uint64_t BlockRunCodes(Block block)
    {
        uint8_t bytes[sizeof block];
        std::memcpy(bytes, &block, sizeof block);
        return Gather(FirstByteLowest(bytes));
    }
    static uint64_t RunCodes(const uint8_t* from)
    {
        uint64_t codes = 0;
        for (size_t i = 0; i < windowBytes; i += width) codes |= Gather(FirstByteLowest(from + i)) << i;
        return codes;
    }
    // Copies a window and finds its run codes.
    static uint64_t CopyWindow(uint8_t* to, const uint8_t* from)
    {
        for (size_t i = 0; i < windowBytes; i += width) Store(to + i, Load(from + i));
        return RunCodes(from);
    }
    static uint64_t FirstByteLowest(const uint8_t* from)
    {
        uint64_t word = 0;
        for (size_t j = 0; j < width; ++j) word |= uint64_t(from[j]) << (8 * j);
        return word;
    }
    // The run codes of eight bytes read first byte lowest: the top bit of each byte whose two top bits are
    // set, gathered into the low eight bits.
    static uint64_t Gather(uint64_t word)
    {
        uint64_t tops = (word & (word << 1) & 0x8080808080808080u) >> 7;
        return (tops * 0x0102040810204080u) >> 56;
    }
};

}  // namespace

RunScan FastestRunScan()
{
#if TR_RUN_SCAN_SSE2 && (defined(__x86_64__) || defined(_M_X64))
    return RunScanVector;
#elif TR_RUN_SCAN_SSE2
    // A 32-bit x86 processor may lack SSE2 (a Pentium II or III, an Athlon XP): asked once per run.
    static const RunScan scan = ProcessorHasSse2() ? RunScanVector : RunScanWord;
    return scan;
#else
    return RunScanWord;
#endif
}

ImageStatus DecodeRunLengthLine(RunScan scan, const uint8_t* bytes, size_t size, size_t* position, uint8_t* out,
                                size_t count)
{
#if TR_RUN_SCAN_SSE2
    if (scan == RunScanVector) return DecodeRunLengthLineSse2(bytes, size, position, out, count);
#endif
    return DecodeLine<WordBlocks>(bytes, size, position, out, count);
}

ImageStatus DecodePackedRunRows(RunScan scan, const uint8_t* bytes, size_t size, size_t position, uint8_t fill,
                                const RowTarget& target)
{
#if TR_RUN_SCAN_SSE2
    if (scan == RunScanVector) return DecodePackedRunRowsSse2(bytes, size, position, fill, target);
#endif
    return DecodePacked<WordBlocks>(bytes, size, position, fill, target);
}
