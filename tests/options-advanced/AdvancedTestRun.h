// A launcher run as the advanced options see it, for tests in this folder.
#ifndef TUMBLERIDGE_ADVANCEDTESTRUN_H
#define TUMBLERIDGE_ADVANCEDTESTRUN_H

#include <windows.h>

#include <string>
#include <vector>

// Starts a run as start-up does: fresh in-memory state, the store opened, the switches and the console
// commands loaded from the registry as it stands. Call again to simulate the launcher's next start.
void StartRun();

// A fresh machine (the settings key removed) and a fresh run; the store is closed at the end of the case.
struct FreshMachine {
    FreshMachine();
    ~FreshMachine();
};

// The names of every value under the settings key, sorted.
std::vector<std::string> SettingNames();

// A string of the launcher's string table with every line feed preceded by a carriage return, as an edit
// field needs it.
std::string TableTextWithBreaks(UINT id);

#endif
