// What the processor offers beyond the i686 instruction set that the 32-bit builds are compiled for. No
// windows.h: Windows builds answer from ProcessorFeaturesWin32.cpp, the others from ProcessorFeatures.cpp.
#ifndef TUMBLERIDGE_PROCESSORFEATURES_H
#define TUMBLERIDGE_PROCESSORFEATURES_H

// Whether SSE2 instructions run here: the processor has them and, on Windows, the system saves their
// registers. Asks every time; callers keep the answer.
bool ProcessorHasSse2();

#endif
