// The random choice of the main window's picture: text work without Win32.
#ifndef TUMBLERIDGE_PICTURECHOICE_H
#define TUMBLERIDGE_PICTURECHOICE_H

#include <cstddef>
#include <cstdint>

// The picture count as decimal text; text that is no number, 0 and negatives give 1.
int PictureCountFromText(const char* text);

typedef int (*RandomFunction)();

// Chooses the picture index for this run and writes "GAME<n>" (n = index + 1) into name. With one picture
// the name is "GAME1" and lastRandom keeps its value; otherwise the previous index is avoided by up to 20
// redraws and lastRandom becomes the new index.
void ChoosePicture(int count, uint32_t* lastRandom, RandomFunction random, char* name, size_t capacity);

#endif
