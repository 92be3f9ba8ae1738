// A machine for the 3D sound tests: a clean registry, a fresh provider list, and a work folder made the
// current folder, holding the stand-in mss32.dll (or not) with its control file and call log.
#ifndef TUMBLERIDGE_SOUNDMACHINE_H
#define TUMBLERIDGE_SOUNDMACHINE_H

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TestText.h"

enum SoundLibraryCopy {
    WithSoundLibrary,        // the stand-in
    WithoutSoundLibrary,     // no mss32.dll anywhere the launcher looks
    WithPartialLibrary,      // a stand-in without AIL_3D_provider_attribute
    WithDecoratedNamesOnly,  // a stand-in exporting only the _name@bytes names
};

class SoundMachine {
public:
    // controlLines go into the stand-in's control file, after the line that turns its log on.
    SoundMachine(const std::string& name, const std::vector<std::string>& controlLines,
                 SoundLibraryCopy library = WithSoundLibrary);
    ~SoundMachine();

    // Rewrites the control file (the stand-in reads it at each start-up).
    void Control(const std::vector<std::string>& controlLines);
    // The calls the stand-in recorded so far, in order.
    std::vector<std::string> Calls() const;

    std::string folder;

private:
    std::unique_ptr<CurrentFolder> current;
};

// The stand-in copied in as mss32.dll: TR_MSS32 names a variant (mss32_plain.dll, mss32_decorated.dll).
const char* StandinSoundLibrary();

// The sound settings in memory as a fresh start has them.
void ResetSoundSettings();

// The item values of a list box's rows, joined by blanks ("0 3 1").
std::string ListItemValues(HWND dialog, int id);

extern const char* const queryWarningText;  // string 67
extern const char* const noProvidersText;   // string 65
extern const char* const hardwareProvider;
extern const char* const softwareProvider;
extern const char* const eaxProvider;

#endif
