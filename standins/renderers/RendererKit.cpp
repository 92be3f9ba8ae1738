// The exports of a stand-in renderer plug-in. The list lives in read-only pages of its own, so a caller
// that writes to a record crashes, and FreeModeList checks that it is handed the head it gave out.
// When "renderer-calls.log" exists in the current folder, each call appends a line to it for the tests.
#include "RendererKit.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HMODULE thisModule = NULL;
ModeRecord* givenHead = NULL;

void LogCall(const char* what)
{
    std::FILE* existing = std::fopen("renderer-calls.log", "rb");
    if (!existing) return;
    std::fclose(existing);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(thisModule, path, sizeof path);
    const char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    std::FILE* log = std::fopen("renderer-calls.log", "ab");
    if (!log) return;
    std::fprintf(log, "%s %s\n", name, what);
    std::fclose(log);
}

}  // namespace

void ModeListBuilder::Add(int deviceFlag, const char* cardDesc, const char* cardLabel, unsigned width, unsigned height,
                          unsigned bitDepth)
{
    ModeRecord record;
    std::memset(&record, 0, sizeof record);
    record.deviceFlag = deviceFlag;
    std::strncpy(record.cardDesc, cardDesc, sizeof record.cardDesc - 1);
    std::strncpy(record.cardLabel, cardLabel, sizeof record.cardLabel - 1);
    record.width = width;
    record.height = height;
    record.bitDepth = bitDepth;
    records.push_back(record);
}

ModeRecord* ModeListBuilder::Finish()
{
    if (records.empty()) return NULL;
    std::size_t bytes = records.size() * sizeof(ModeRecord);
    ModeRecord* list = static_cast<ModeRecord*>(VirtualAlloc(NULL, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!list) return NULL;
    std::memcpy(list, records.data(), bytes);
    for (std::size_t i = 0; i < records.size(); ++i) list[i].next = i + 1 < records.size() ? &list[i + 1] : NULL;
    if (loopTarget >= 0 && static_cast<std::size_t>(loopTarget) < records.size()) {
        list[records.size() - 1].next = &list[loopTarget];
    }
    DWORD previous;
    VirtualProtect(list, bytes, PAGE_READONLY, &previous);
    return list;
}

// The plug-in interface: plain C names and calls (__cdecl, the caller removes the arguments).
extern "C" __declspec(dllexport) ModeRecord* __cdecl GetSupportedModes()
{
    LogCall("GetSupportedModes");
    ModeListBuilder builder;
    if (!DescribeModes(builder)) return NULL;
    givenHead = builder.Finish();
    return givenHead;
}

#ifndef TR_RENDERER_WITHOUT_FREE
extern "C" __declspec(dllexport) void __cdecl FreeModeList(ModeRecord* head)
{
    LogCall(head && head == givenHead ? "FreeModeList head" : "FreeModeList other");
    if (head && head == givenHead) {
        VirtualFree(head, 0, MEM_RELEASE);
        givenHead = NULL;
    }
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) thisModule = instance;
    return TRUE;
}
