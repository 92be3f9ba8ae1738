// The 3D sound dialog "3DSOUND" and the query of the sound library's providers.
#ifndef TUMBLERIDGE_SOUNDDIALOG_H
#define TUMBLERIDGE_SOUNDDIALOG_H

#include <windows.h>

// Warns once, queries the providers (once per run when some were found) and shows "3DSOUND" over owner.
// 1 when the player confirmed and the choice was stored. With reportNone, a machine without providers
// (or without a working sound library) is told so.
int Configure3DSound(HINSTANCE instance, HWND owner, int reportNone);

#endif
