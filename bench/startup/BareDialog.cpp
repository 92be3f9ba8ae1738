// The yardstick of the start-up benchmark: a bare Win32 program that shows one empty dialog. Its timed build
// (TR_STARTUP_STEPS) marks the same points as the launcher's: entry and dialog created.
#include <windows.h>

#include "bench/startup/YardstickDialog.h"
#include "launcher/StartupSteps.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    STARTUP_STEP("loader, to the entry point");
    return static_cast<int>(DialogBoxParamA(instance, "BARE", NULL, YardstickDialogProc, 0));
}
