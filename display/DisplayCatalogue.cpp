// The display catalogue's own operations: lookups, list texts, the record walk and the default modes.
#include "display/DisplayCatalogue.h"

#include "display/ModeRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

// A record's text up to its NUL, and never more than 127 characters: a field that the plug-in left without
// its NUL keeps what a terminated field can hold. That is also what "autoexec.cfg" keeps of a saved
// cardDesc, so a device chosen and written back is found again when the script is read.
std::string FieldText(const char (&field)[modeRecordTextSize])
{
    const std::size_t longest = modeRecordTextSize - 1;
    const void* end = std::memchr(field, '\0', longest);
    std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : longest;
    return std::string(field, length);
}

}  // namespace

bool IsKeptMode(unsigned width, unsigned height)
{
    std::uint32_t w = width;
    std::uint32_t h = height;
    if (w < 640 || h < 480) return false;
    return w == static_cast<std::uint32_t>(h * 4u) / 3u;
}

ModeEntry::ModeEntry(int width_, int height_, int bitDepth_) : width(width_), height(height_), bitDepth(bitDepth_)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%i x %i x %i", width, height, bitDepth);
    text = buffer;
}

DeviceEntry::DeviceEntry(const std::string& cardDesc_, const std::string& cardLabel_, int deviceFlag_)
    : cardDesc(cardDesc_), cardLabel(cardLabel_), deviceFlag(deviceFlag_), selectedMode(nullptr)
{
}

ModeEntry* DeviceEntry::AddMode(int width, int height, int bitDepth)
{
    modes.push_back(std::make_unique<ModeEntry>(width, height, bitDepth));
    return modes.back().get();
}

ModeEntry* DeviceEntry::FindMode(int width, int height, int bitDepth) const
{
    for (const auto& mode : modes) {
        if (mode->width == width && mode->height == height && mode->bitDepth == bitDepth) return mode.get();
    }
    return nullptr;
}

bool DeviceEntry::SelectMode(int width, int height, int bitDepth)
{
    ModeEntry* mode = FindMode(width, height, bitDepth);
    if (!mode) return false;
    selectedMode = mode;
    return true;
}

std::string DeviceEntry::DisplayText() const
{
    return cardLabel + " (" + cardDesc + ")";
}

void DeviceEntry::Clear()
{
    selectedMode = nullptr;
    modes.clear();
}

RendererEntry::RendererEntry(const std::string& fileName_) : fileName(fileName_), selectedDevice(nullptr) {}

DeviceEntry* RendererEntry::AddDevice(const char* cardDesc, const char* cardLabel, int deviceFlag)
{
    if (!cardDesc || !*cardDesc || !cardLabel || !*cardLabel) return nullptr;
    devices.push_back(std::make_unique<DeviceEntry>(cardDesc, cardLabel, deviceFlag));
    return devices.back().get();
}

DeviceEntry* RendererEntry::FindDevice(const char* cardDesc) const
{
    if (!cardDesc) return nullptr;
    for (const auto& device : devices) {
        if (device->cardDesc == cardDesc) return device.get();
    }
    return nullptr;
}

bool RendererEntry::SelectDevice(const char* cardDesc)
{
    DeviceEntry* device = FindDevice(cardDesc);
    if (!device) return false;
    selectedDevice = device;
    return true;
}

std::string RendererEntry::DisplayText() const
{
    if (description.empty()) return fileName;
    return description + " (" + fileName + ")";
}

void RendererEntry::Clear()
{
    selectedDevice = nullptr;
    devices.clear();
}

std::size_t RendererEntry::AddModeRecords(const ModeRecord* head)
{
    // The walk looks devices up by cardDesc through an index instead of FindDevice's linear search, so a
    // plug-in with many devices and many records costs no more than one pass. The index answers what
    // FindDevice would: cardDesc is unique within a renderer, and the first device of a text is kept.
    std::unordered_map<std::string_view, DeviceEntry*> byDesc;
    for (const auto& device : devices) byDesc.emplace(device->cardDesc, device.get());

    // A broken plug-in may link its list back into itself; every record is read once.
    std::unordered_set<const ModeRecord*> visited;
    std::size_t kept = 0;
    for (const ModeRecord* record = head; record; record = record->next) {
        if (!visited.insert(record).second) break;
        if (!IsKeptMode(record->width, record->height)) continue;
        std::string cardDesc = FieldText(record->cardDesc);
        DeviceEntry* device = nullptr;
        auto found = byDesc.find(cardDesc);
        if (found != byDesc.end()) {
            device = found->second;
        } else {
            device = AddDevice(cardDesc.c_str(), FieldText(record->cardLabel).c_str(), record->deviceFlag);
            if (!device) continue;
            byDesc.emplace(device->cardDesc, device);
        }
        device->AddMode(static_cast<int>(record->width), static_cast<int>(record->height),
                        static_cast<int>(record->bitDepth));
        ++kept;
    }
    return kept;
}

DisplayCatalogue::DisplayCatalogue() : selectedRenderer(nullptr) {}

RendererEntry* DisplayCatalogue::AppendRenderer(std::unique_ptr<RendererEntry> renderer)
{
    if (!renderer) return nullptr;
    renderers.push_back(std::move(renderer));
    return renderers.back().get();
}

RendererEntry* DisplayCatalogue::FindRenderer(const char* fileName) const
{
    if (!fileName) return nullptr;
    for (const auto& renderer : renderers) {
        if (renderer->fileName == fileName) return renderer.get();
    }
    return nullptr;
}

void DisplayCatalogue::Clear()
{
    selectedRenderer = nullptr;
    renderers.clear();
}

void ChooseDefaultModes(DisplayCatalogue* catalogue)
{
    if (!catalogue) return;
    for (const auto& renderer : catalogue->renderers) {
        for (const auto& device : renderer->devices) {
            if (device->selectedMode) continue;
            if (device->SelectMode(640, 480, 16)) continue;
            if (device->deviceFlag != 0) device->SelectMode(800, 600, 16);
        }
    }
}
