// What every stand-in renderer plug-in shares: the exports and a builder for the mode list.
// Each variant supplies DescribeModes; the kit turns its records into a linked list.
#ifndef TUMBLERIDGE_RENDERERKIT_H
#define TUMBLERIDGE_RENDERERKIT_H

#include "display/ModeRecord.h"

#include <cstddef>
#include <vector>

class ModeListBuilder {
public:
    ModeListBuilder() : loopTarget(-1) {}

    // A record with NUL-terminated texts (cut to the field).
    void Add(int deviceFlag, const char* cardDesc, const char* cardLabel, unsigned width, unsigned height,
             unsigned bitDepth);
    // A record exactly as given, for texts that fill their whole field without a NUL.
    void AddRaw(const ModeRecord& record) { records.push_back(record); }
    // Links the last record back to the record of that index instead of ending the list.
    void LoopBackTo(int index) { loopTarget = index; }
    std::size_t Count() const { return records.size(); }

    // The records as one list in read-only memory (the launcher must not write to it); null when empty.
    ModeRecord* Finish();

private:
    std::vector<ModeRecord> records;
    int loopTarget;
};

// The variant's records. False makes GetSupportedModes answer null.
bool DescribeModes(ModeListBuilder& list);

#endif
