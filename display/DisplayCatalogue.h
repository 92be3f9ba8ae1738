// The display catalogue: renderers (plug-ins), their devices and their 4:3 display modes, with the chosen
// object of each level. Portable, except ScanRenderers and AddRenderer, which load the plug-ins.
#ifndef TUMBLERIDGE_DISPLAYCATALOGUE_H
#define TUMBLERIDGE_DISPLAYCATALOGUE_H

#include <memory>
#include <string>
#include <vector>

struct ModeRecord;

// One display mode of a device. Equal modes are kept twice when a plug-in reports them twice.
class ModeEntry {
public:
    ModeEntry(int width, int height, int bitDepth);

    int width;
    int height;
    int bitDepth;
    std::string text;  // "W x H x D", made once here
};

// One device (video card) of a renderer; owns its modes. selectedMode points into modes, or is null.
class DeviceEntry {
public:
    DeviceEntry(const std::string& cardDesc, const std::string& cardLabel, int deviceFlag);
    DeviceEntry(const DeviceEntry&) = delete;
    DeviceEntry& operator=(const DeviceEntry&) = delete;

    ModeEntry* AddMode(int width, int height, int bitDepth);
    ModeEntry* FindMode(int width, int height, int bitDepth) const;  // the first equal one, or null
    int SelectMode(int width, int height, int bitDepth);             // 0 leaves selectedMode alone
    std::string DisplayText() const;                                 // "label (desc)"
    void Clear();

    std::string cardDesc;
    std::string cardLabel;
    int deviceFlag;
    std::vector<std::unique_ptr<ModeEntry>> modes;
    ModeEntry* selectedMode;
};

// One plug-in; owns its devices (possibly none). selectedDevice points into devices, or is null.
class RendererEntry {
public:
    explicit RendererEntry(const std::string& fileName);
    RendererEntry(const RendererEntry&) = delete;
    RendererEntry& operator=(const RendererEntry&) = delete;

    // Null (nothing added) when either text is null or empty.
    DeviceEntry* AddDevice(const char* cardDesc, const char* cardLabel, int deviceFlag);
    DeviceEntry* FindDevice(const char* cardDesc) const;  // byte-wise, case-sensitive; null for null
    int SelectDevice(const char* cardDesc);               // 0 leaves selectedDevice alone
    std::string DisplayText() const;                      // "description (fileName)" or "fileName"
    void Clear();

    // Copies the kept records of a plug-in's list (4:3, at least 640 x 480) into devices grouped by
    // cardDesc. The list is only read. Stops at a null `next`, or where the list runs back into itself.
    // Answers the number of modes kept.
    std::size_t AddModeRecords(const ModeRecord* head);

    std::string fileName;
    std::string description;
    std::vector<std::unique_ptr<DeviceEntry>> devices;
    DeviceEntry* selectedDevice;
};

// Every usable plug-in of one folder. selectedRenderer points into renderers, or is null.
class DisplayCatalogue {
public:
    DisplayCatalogue();
    DisplayCatalogue(const DisplayCatalogue&) = delete;
    DisplayCatalogue& operator=(const DisplayCatalogue&) = delete;

    // Loads every "*.REN" of the folder (null or empty: the current folder); answers how many were kept.
    int ScanRenderers(const char* folder);
    // Loads, queries and releases one plug-in by its bare file name; null when it cannot be used.
    RendererEntry* AddRenderer(const char* fileName);
    // Appends an entry without loading anything (the scan's last step, and tests).
    RendererEntry* AppendRenderer(std::unique_ptr<RendererEntry> renderer);
    RendererEntry* FindRenderer(const char* fileName) const;  // byte-wise, case-sensitive; null for null
    void Clear();

    std::string directory;
    std::vector<std::unique_ptr<RendererEntry>> renderers;
    RendererEntry* selectedRenderer;
};

// A mode passes when it is at least 640 x 480 and width == height * 4 / 3 in truncating unsigned 32-bit
// arithmetic (so 641 x 481 passes). The bit depth is not looked at.
bool IsKeptMode(unsigned width, unsigned height);

// Gives every device without a chosen mode its default: 640 x 480 x 16, and for a device with a non-zero
// flag 800 x 600 x 16 after that. Devices without either keep none.
void ChooseDefaultModes(DisplayCatalogue* catalogue);

// The run's catalogue: made on the first use of the display dialog, freed by DestroyDisplayCatalogue.
extern DisplayCatalogue* theDisplayCatalogue;

#endif
