// Named add-on sets: chosen lists kept under their names in the settings key's "Add-on Sets", one text
// value per set in the format of "Rez Files".
#ifndef TUMBLERIDGE_ADDONSETS_H
#define TUMBLERIDGE_ADDONSETS_H

#include <windows.h>

#include <string>
#include <vector>

// The names of the stored sets in the order the set list shows them; empty without a store. A set whose
// value is not a text is listed too: it loads as an empty set.
std::vector<std::string> StoredAddonSets();

// The set's archive names, in order; empty for a set that is missing, not a text or too long to read back.
std::vector<std::string> LoadAddonSet(const char* name);

// True when a set of that name is stored; the registry compares names without regard to case.
BOOL AddonSetExists(const char* name);

// Stores the "|"-joined names as the set, replacing one of the same name; true on success. The caller keeps
// the text within what reads back (archiveTextLimit).
BOOL SaveAddonSet(const char* name, const char* joinedNames);

// Deletes the set; true when it is gone.
BOOL DeleteAddonSet(const char* name);

#endif
