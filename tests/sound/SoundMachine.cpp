// A machine for the 3D sound tests: registry, provider list, work folder and stand-in library.
#include "SoundMachine.h"

#include <cstdlib>

#include "TestKit.h"
#include "TestRegistry.h"
#include "sound/ProviderQuery.h"
#include "sound/SoundSettings.h"

const char* const queryWarningText =
    "The 3D sound hardware on your system will now be queried.  This may take up to a minute and you may hear a "
    "few pops and clicks.";
const char* const noProvidersText = "There are no 3D sound providers available on this system.";
const char* const hardwareProvider = "Microsoft DirectSound3D hardware support";
const char* const softwareProvider = "Microsoft DirectSound3D software emulation";
const char* const eaxProvider = "Microsoft DirectSound3D with Creative Labs EAX(TM)";

namespace {

const char* const logName = "calls.txt";

// A library found beside the test program or in the system folder would be loaded before ours.
bool NoOtherSoundLibrary()
{
    char system[MAX_PATH];
    UINT length = GetSystemDirectoryA(system, sizeof system);
    return !FileExists(JoinPath(std::string(system, length), "mss32.dll")) &&
           !FileExists(JoinPath(TestProgramFolder(), "mss32.dll"));
}

}  // namespace

const char* StandinSoundLibrary()
{
    const char* variant = std::getenv("TR_MSS32");
    return variant && *variant ? variant : "mss32.dll";
}

void ResetSoundSettings()
{
    soundProviderKind = 0;
    soundProviderName[0] = '\0';
    sound3DSamples = 16;
    sound2DSamples = 32;
    soundReverb = 100;
}

SoundMachine::SoundMachine(const std::string& name, const std::vector<std::string>& controlLines,
                           SoundLibraryCopy library)
{
    REQUIRE(NoOtherSoundLibrary());
    ClearLauncherSettings();
    DestroyProviderList();
    ResetSoundSettings();
    folder = FreshWorkFolder(name);
    if (library == WithSoundLibrary)
        REQUIRE(CopyInto(StandinPath(StandinSoundLibrary()), JoinPath(folder, "mss32.dll")));
    if (library == WithDecoratedNamesOnly)
        REQUIRE(CopyInto(StandinPath("mss32_decorated.dll"), JoinPath(folder, "mss32.dll")));
    if (library == WithPartialLibrary)
        REQUIRE(CopyInto(StandinPath("mss32_partial.dll"), JoinPath(folder, "mss32.dll")));
    Control(controlLines);
    current.reset(new CurrentFolder(folder));
    OpenTestStore();
}

SoundMachine::~SoundMachine()
{
    CloseTestStore();
    DestroyProviderList();
}

void SoundMachine::Control(const std::vector<std::string>& controlLines)
{
    std::string text = std::string("log=") + logName + "\r\n";
    for (const std::string& line : controlLines) text += line + "\r\n";
    WriteFileBytes(JoinPath(folder, "mss32-standin.txt"), text);
}

std::vector<std::string> SoundMachine::Calls() const
{
    std::string text = ReadFileText(JoinPath(folder, logName));
    std::vector<std::string> calls;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        calls.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return calls;
}

std::string ListItemValues(HWND dialog, int id)
{
    std::string values;
    LRESULT count = SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        if (!values.empty()) values += " ";
        values += std::to_string(SendDlgItemMessageA(dialog, id, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
    }
    return values;
}
