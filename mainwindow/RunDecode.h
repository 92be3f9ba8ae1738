// The inner loops of the run-length picture readers: PCX-style line codes and packed runs. No windows.h.
#ifndef TUMBLERIDGE_RUNDECODE_H
#define TUMBLERIDGE_RUNDECODE_H

#include <cstddef>
#include <cstdint>

#include "mainwindow/ImageDecode.h"

// How the loops look for run codes and copy bytes: a machine word at a time (every processor), or 16 bytes at a
// time with SSE2 (x86 builds). Both give the same results, statuses and positions; a build for another
// processor runs the word loops for either.
enum RunScan { RunScanWord, RunScanVector };

// The quickest scan this processor runs: the vector scan on x86_64, and on 32-bit x86 where the processor has
// SSE2 (asked once per run); the word scan otherwise. Callers pass RunScanVector only when this gives it.
RunScan FastestRunScan();

// Decodes PCX-style run-length codes from bytes[*position] until exactly count bytes are written to out,
// and moves *position past the codes read. A byte of 0xC0 or more repeats the next byte (its low six bits)
// times; any other byte is itself. Fails when the codes end first or a run reaches past count; out holds
// count bytes and nothing outside them is written, though bytes past the decoded ones may be overwritten
// before they are decoded.
ImageStatus DecodeRunLengthLine(RunScan scan, const uint8_t* bytes, size_t size, size_t* position, uint8_t* out,
                                size_t count);

// Decodes packed runs from bytes[position] into every row of an 8-bit target: a code below 0x80 is followed
// by that many plain bytes, a code of 0x80 + n is n fill bytes. Codes follow one another across row ends;
// one that reaches past its row, or codes that end before the last row, fail the picture.
ImageStatus DecodePackedRunRows(RunScan scan, const uint8_t* bytes, size_t size, size_t position, uint8_t fill,
                                const RowTarget& target);

#endif
