// A stand-in for the game engine STRATHEX.EXE: records how it was started, and in the demo shows a window
// titled with its -windowtitle value that lists the archives it was given.
//
// It writes "engine-started.txt" into its working folder: the line "command=<its command line>" and the line
// "folder=<its working folder>". Environment:
//   TUMBLERIDGE_ENGINE_STAY_MS=<n>   stay running n milliseconds (for the running-engine check)
//   TUMBLERIDGE_ENGINE_WINDOW=1      show the window until it is closed (the demo)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct EngineArguments {
    std::string title;
    std::vector<std::string> archives;
};

// Splits the command line the way the engine reads it: words separated by blanks, "..." kept together.
std::vector<std::string> Words(const char* line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (const char* p = line; *p; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (*p == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += *p;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

EngineArguments ReadArguments(const char* line)
{
    EngineArguments arguments;
    std::vector<std::string> words = Words(line);
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "-windowtitle" && i + 1 < words.size()) arguments.title = words[++i];
        else if (words[i] == "-rez" && i + 1 < words.size()) arguments.archives.push_back(words[++i]);
    }
    return arguments;
}

void Record(const char* commandLine)
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    FILE* file = std::fopen("engine-started.txt", "w");
    if (!file) return;
    std::fprintf(file, "command=%s\nfolder=%s\n", commandLine, folder);
    std::fclose(file);
}

std::string listing;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        InflateRect(&area, -16, -16);
        DrawTextA(dc, listing.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_WORDBREAK);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ShowEngineWindow(HINSTANCE instance, const EngineArguments& arguments)
{
    listing = "Stand-in engine started with the archives:\n";
    for (const std::string& archive : arguments.archives) listing += "    " + archive + "\n";

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "StandinEngine";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("StandinEngine", arguments.title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                CW_USEDEFAULT, CW_USEDEFAULT, 480, 320, NULL, NULL, instance, NULL);
    if (!window) return;
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const char* commandLine = GetCommandLineA();
    Record(commandLine);
    EngineArguments arguments = ReadArguments(commandLine);

    const char* stay = std::getenv("TUMBLERIDGE_ENGINE_STAY_MS");
    if (stay) Sleep(static_cast<DWORD>(std::atoi(stay)));
    const char* window = std::getenv("TUMBLERIDGE_ENGINE_WINDOW");
    if (window && window[0] == '1') ShowEngineWindow(instance, arguments);
    return 0;
}
