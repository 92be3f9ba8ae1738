// A stand-in for the sound library mss32.dll: offers the 3D provider calls the launcher makes, with the
// providers and failures chosen in a control file, and records every call it receives in order.
//
// The control file "mss32-standin.txt" lies beside the DLL and is read again by each AIL_startup. Lines:
//   provider=<name>      a provider, listed in file order
//   unopenable=<name>    a provider that is listed but whose AIL_open_3D_provider fails
//   nameless=<anything>  a provider delivered with a null name pointer (a broken library)
//   wave-out=fail        AIL_waveOutOpen fails
//   endless=1            the enumeration starts over instead of ending (a broken library)
//   log=<file>           append one line per call to this file (relative to the DLL's folder)
// Lines starting with '#' and blank lines are ignored. Without the file: no providers, a working output.
//
// Log lines (handles are shown as the provider's name, or "driver=open" for the handle AIL_waveOutOpen gave):
//   AIL_startup
//   AIL_set_preference <number> <value>
//   AIL_waveOutOpen driver-out=<set|null> wave-out=<null|set> device=<n> format=<null|set>
//   AIL_enumerate_3D_providers cursor=<n>
//   AIL_open_3D_provider <name>
//   AIL_3D_provider_attribute <name> | <attribute> | <open|closed> value=<null|set>
//   AIL_close_3D_provider <name>
//   AIL_waveOutClose driver=<open|other>
//   AIL_shutdown
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// Exported by name through the .def files that standin.cmake writes (plain and, on 32-bit, decorated names).
#define STANDIN_CALL extern "C"

namespace {

struct Provider {
    std::string name;
    bool opens;
    bool isOpen;
    bool nameless;
};

struct Settings {
    std::vector<Provider> providers;
    bool waveOutFails = false;
    bool endless = false;
    std::string logPath;
};

HMODULE thisModule = NULL;
Settings settings;
bool started = false;
int driverObject = 0;  // AIL_waveOutOpen hands out its address

std::string ModuleFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(thisModule, path, sizeof path);
    std::string text(path, length < sizeof path ? length : 0);
    size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : text.substr(0, slash);
}

std::string InFolder(const std::string& name)
{
    bool absolute = name.size() > 1 && (name[1] == ':' || name[0] == '\\' || name[0] == '/');
    return absolute ? name : ModuleFolder() + "\\" + name;
}

void ReadSettings()
{
    settings = Settings();
    FILE* file = std::fopen(InFolder("mss32-standin.txt").c_str(), "rb");
    if (!file) return;
    char line[2048];
    while (std::fgets(line, sizeof line, file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (text.empty() || text[0] == '#') continue;
        size_t equals = text.find('=');
        if (equals == std::string::npos) continue;
        std::string key = text.substr(0, equals);
        std::string value = text.substr(equals + 1);
        if (key == "provider" || key == "unopenable")
            settings.providers.push_back({value, key == "provider", false});
        else if (key == "wave-out")
            settings.waveOutFails = value == "fail";
        else if (key == "endless")
            settings.endless = value == "1";
        else if (key == "log")
            settings.logPath = InFolder(value);
    }
    std::fclose(file);
}

void Record(const std::string& line)
{
    if (settings.logPath.empty()) return;
    FILE* file = std::fopen(settings.logPath.c_str(), "ab");
    if (!file) return;
    std::fprintf(file, "%s\r\n", line.c_str());
    std::fclose(file);
}

const char* SetOrNull(const void* pointer)
{
    return pointer ? "set" : "null";
}

// Provider handles are 1-based positions in the control file; 0 and others are unknown.
Provider* FindProvider(UINT_PTR handle)
{
    if (handle == 0 || handle > settings.providers.size()) return NULL;
    return &settings.providers[handle - 1];
}

std::string ProviderName(UINT_PTR handle)
{
    Provider* provider = FindProvider(handle);
    return provider ? provider->name : "unknown-" + std::to_string(handle);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) thisModule = instance;
    return TRUE;
}

STANDIN_CALL int WINAPI AIL_startup()
{
    ReadSettings();
    started = true;
    Record("AIL_startup");
    return 1;
}

STANDIN_CALL int WINAPI AIL_set_preference(int number, int value)
{
    Record("AIL_set_preference " + std::to_string(number) + " " + std::to_string(value));
    return 0;
}

STANDIN_CALL int WINAPI AIL_waveOutOpen(void** driver, void** waveOut, int device, void* format)
{
    Record(std::string("AIL_waveOutOpen driver-out=") + SetOrNull(driver) + " wave-out=" + SetOrNull(waveOut) +
           " device=" + std::to_string(device) + " format=" + SetOrNull(format));
    if (!started || !driver || settings.waveOutFails) return 4;
    *driver = &driverObject;
    return 0;
}

STANDIN_CALL int WINAPI AIL_enumerate_3D_providers(UINT_PTR* cursor, UINT_PTR* provider, char** name)
{
    Record("AIL_enumerate_3D_providers cursor=" + (cursor ? std::to_string(*cursor) : std::string("null")));
    if (!started || !cursor || !provider || !name || settings.providers.empty()) return 0;
    UINT_PTR index = *cursor;
    if (settings.endless) index %= settings.providers.size();
    if (index >= settings.providers.size()) return 0;
    *provider = index + 1;
    const Provider& delivered = settings.providers[index];
    *name = delivered.nameless ? NULL : const_cast<char*>(delivered.name.c_str());
    *cursor = *cursor + 1;
    return 1;
}

STANDIN_CALL int WINAPI AIL_open_3D_provider(UINT_PTR handle)
{
    Record("AIL_open_3D_provider " + ProviderName(handle));
    Provider* provider = FindProvider(handle);
    if (!provider || !provider->opens) return 1;
    provider->isOpen = true;
    return 0;
}

STANDIN_CALL void WINAPI AIL_3D_provider_attribute(UINT_PTR handle, const char* attribute, void* value)
{
    Provider* provider = FindProvider(handle);
    Record("AIL_3D_provider_attribute " + ProviderName(handle) + " | " + (attribute ? attribute : "(null)") + " | " +
           (provider && provider->isOpen ? "open" : "closed") + " value=" + SetOrNull(value));
    if (value) *static_cast<DWORD*>(value) = 0;
}

STANDIN_CALL void WINAPI AIL_close_3D_provider(UINT_PTR handle)
{
    Record("AIL_close_3D_provider " + ProviderName(handle));
    Provider* provider = FindProvider(handle);
    if (provider) provider->isOpen = false;
}

STANDIN_CALL void WINAPI AIL_waveOutClose(void* driver)
{
    Record(std::string("AIL_waveOutClose driver=") + (driver == &driverObject ? "open" : "other"));
}

STANDIN_CALL void WINAPI AIL_shutdown()
{
    Record("AIL_shutdown");
    started = false;
}
