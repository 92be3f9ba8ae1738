// Names of add-on sets: the name a player typed made fit for the store, and their order in the set list.
#ifndef TUMBLERIDGE_ADDONSETNAMES_H
#define TUMBLERIDGE_ADDONSETNAMES_H

#include <cstddef>
#include <string>
#include <vector>

// The longest set name: a set is stored as a registry value of that name, and 255 characters is the longest
// value name every Windows takes.
const size_t addonSetNameLimit = 255;

enum SetNameCheck { setNameValid, setNameEmpty, setNameTooLong };

// The typed name without its leading and trailing blanks and tabs goes to *name; the answer says whether the
// store can take it (a name of nothing but blanks is empty).
SetNameCheck CheckSetName(const char* typed, std::string* name);

// Sorts the names as the set list shows them: by their letters without regard to case, names that differ
// only in case in byte order.
void SortSetNames(std::vector<std::string>* names);

#endif
