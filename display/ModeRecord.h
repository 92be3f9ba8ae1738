// The record a renderer plug-in hands back for each pair of device and display mode. Shared, and only
// this header, between the launcher and the stand-in plug-ins.
#ifndef TUMBLERIDGE_MODERECORD_H
#define TUMBLERIDGE_MODERECORD_H

#include <cstddef>
#include <cstdint>

const std::size_t modeRecordTextSize = 128;  // both texts, NUL-terminated within the field (if the plug-in behaves)

// The plug-ins are 32-bit libraries: there the record is 276 bytes with a 4-byte `next`. The 64-bit build
// keeps every field at the same offset and only widens the pointer.
struct ModeRecord {
    std::int32_t deviceFlag;             // only tested for zero or non-zero
    char cardDesc[modeRecordTextSize];   // the device's identity
    char cardLabel[modeRecordTextSize];  // the device's second text, shown first
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t bitDepth;
    ModeRecord* next;  // null after the last record
};

static_assert(offsetof(ModeRecord, deviceFlag) == 0, "ModeRecord layout");
static_assert(offsetof(ModeRecord, cardDesc) == 4, "ModeRecord layout");
static_assert(offsetof(ModeRecord, cardLabel) == 132, "ModeRecord layout");
static_assert(offsetof(ModeRecord, width) == 260, "ModeRecord layout");
static_assert(offsetof(ModeRecord, height) == 264, "ModeRecord layout");
static_assert(offsetof(ModeRecord, bitDepth) == 268, "ModeRecord layout");
static_assert(offsetof(ModeRecord, next) == 272, "ModeRecord layout");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(ModeRecord) == 276, "ModeRecord layout of the 32-bit plug-ins");
#endif

// The two exports of a plug-in, plain C functions.
extern "C" {
typedef ModeRecord* (*GetSupportedModesFunction)();
typedef void (*FreeModeListFunction)(ModeRecord* head);
}

#endif
