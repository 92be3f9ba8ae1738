// The 3D sound dialog. Placeholder until the 3D sound configuration lands.
#include "sound/SoundDialog.h"

int Configure3DSound(HINSTANCE, HWND, int) { return 0; }
