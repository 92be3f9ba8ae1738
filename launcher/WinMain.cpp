// The launcher's entry point.
#include <windows.h>

#include "launcher/LauncherMain.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    return LauncherMain(instance, arguments);
}
