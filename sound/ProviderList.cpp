// The list of 3D sound providers found on this machine: singly linked, newest entry first.
#include "sound/ProviderList.h"

#include <cstddef>
#include <new>

ProviderEntry* PushProvider(ProviderEntry** first, int kind, const char* name)
{
    ProviderEntry* entry = new (std::nothrow) ProviderEntry;
    if (!entry) return nullptr;
    entry->kind = kind;
    int length = 0;
    if (name) {
        while (length < providerNameCapacity - 1 && name[length] != '\0') {
            entry->name[length] = name[length];
            ++length;
        }
    }
    entry->name[length] = '\0';
    entry->next = *first;
    *first = entry;
    return entry;
}

int CountProviders(const ProviderEntry* first)
{
    int count = 0;
    for (const ProviderEntry* entry = first; entry; entry = entry->next) ++count;
    return count;
}

void FreeProviders(ProviderEntry** first)
{
    ProviderEntry* entry = *first;
    while (entry) {
        ProviderEntry* next = entry->next;
        delete entry;
        entry = next;
    }
    *first = nullptr;
}
