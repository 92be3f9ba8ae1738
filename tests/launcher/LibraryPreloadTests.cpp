// The library preload when no thread can be made for it, in a process of its own, where nothing has loaded
// the common controls before.
#include "ProcessDriver.h"
#include "TestKit.h"
#include "launcher/SystemLibraries.h"

#include <windows.h>

namespace {

HANDLE NoThread(LPTHREAD_START_ROUTINE)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

}  // namespace

// Without a thread the common controls are loaded on the caller's thread, before the constructor returns:
// the first dialog comes after it and needs them. They are the side-by-side version 6 the manifest asks for.
TEST_CASE(WithoutAThreadTheCommonControlsLoadBeforeTheFirstDialog)
{
    REQUIRE(GetModuleHandleA("comctl32.dll") == nullptr);
    LibraryPreload preload(NoThread);
    // Looked at before anything asks for the calls, which would load the library then.
    CHECK(LoadedModulePath("comctl32.dll").find("\\winsxs\\") != std::string::npos);
    CHECK(IsExport(CommonControls().MakeDragList, "comctl32.dll", "MakeDragList"));
    preload.Finish();
    CHECK(GetModuleHandleA("winmm.dll") == nullptr);
}
