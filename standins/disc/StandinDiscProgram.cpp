// A stand-in for the programs on the game disc (its set-up program and the preview demos): records how it
// was started and ends.
//
// Built once per program; STANDIN_PROGRAM names it and STANDIN_RECORD_VARIABLE the environment variable
// that the tests set to a file path. That file gets the line "command=<its command line>" and the line
// "folder=<its working folder>". Without the variable (the demo), the same two lines are shown in a box.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char folder[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) folder[0] = '\0';

    const char* recordPath = std::getenv(STANDIN_RECORD_VARIABLE);
    if (recordPath && recordPath[0] != '\0') {
        FILE* record = std::fopen(recordPath, "w");
        if (!record) return 2;
        std::fprintf(record, "command=%s\nfolder=%s\n", GetCommandLineA(), folder);
        return std::fclose(record) == 0 ? 0 : 2;
    }

    char text[1024];
    std::snprintf(text, sizeof text, "%s (stand-in) was started.\n\ncommand=%s\nfolder=%s", STANDIN_PROGRAM,
                  GetCommandLineA(), folder);
    MessageBoxA(NULL, text, STANDIN_PROGRAM, MB_OK | MB_ICONINFORMATION);
    return 0;
}
