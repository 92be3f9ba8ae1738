// The list of 3D sound providers found on this machine: singly linked, newest entry first.
#ifndef TUMBLERIDGE_PROVIDERLIST_H
#define TUMBLERIDGE_PROVIDERLIST_H

const int providerNameCapacity = 261;  // 260 characters and the NUL

struct ProviderEntry {
    int kind;
    char name[providerNameCapacity];  // cut to 260 characters, always NUL-terminated
    ProviderEntry* next;
};

// Puts a new entry with a copy of the name (a null name counts as empty) in front of *first. The new
// entry, or null when memory ran out (the list is then unchanged).
ProviderEntry* PushProvider(ProviderEntry** first, int kind, const char* name);
int CountProviders(const ProviderEntry* first);
// Frees every entry and leaves *first null.
void FreeProviders(ProviderEntry** first);

#endif
