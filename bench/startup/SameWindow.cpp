// The start-up benchmark's second yardstick: the launcher's own window "GAME", from the launcher's own
// resources and manifest, shown by a program that initialises the common controls and does nothing else.
// Its timed build (TR_STARTUP_STEPS) marks the same points as the launcher's.
#include <windows.h>

#include <commctrl.h>

#include "bench/startup/YardstickDialog.h"
#include "launcher/StartupSteps.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    STARTUP_STEP("loader, to the entry point");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    STARTUP_STEP("common controls");
    return static_cast<int>(DialogBoxParamA(instance, "GAME", NULL, YardstickDialogProc, 0));
}
