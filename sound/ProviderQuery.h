// The query of the sound library's 3D providers, and the provider list kept for the rest of the run.
#ifndef TUMBLERIDGE_PROVIDERQUERY_H
#define TUMBLERIDGE_PROVIDERQUERY_H

#include "sound/ProviderList.h"

// The providers found by the first query that found any; empty until then. Freed at process end.
extern ProviderEntry* theProviderList;

// The enumeration stops after this many deliveries, so a library that never ends its list cannot hang
// the launcher.
const int providerDeliveryLimit = 256;

// Stops the launcher's own sounds, then, unless providers were already found this run, starts the sound
// library, opens the wave output and lists its 3D providers (with probe set, only those that open).
// Stores the list's first entry through out and returns 1; 0 when the library, one of its calls or the
// wave output is missing (the list stays empty and *out is left alone).
int EnumerateProviders(ProviderEntry** out, int probe);

// Warns once per machine ("Sound Enum Warning") and queries. The number of providers listed, 0 when the
// query failed, or -1 when the player declined the warning or a query (or its warning) is still running,
// as it can be for a second press of the button behind the unowned warning box.
int QueryProvidersWithWarning();

// Frees the list, as at process end; the next query asks the library again.
void DestroyProviderList();

#endif
