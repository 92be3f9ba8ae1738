// The chosen add-on archives. Placeholder until the add-on archive dialog lands.
#include "options/ChosenArchives.h"

#include "launcher/LauncherState.h"

int keepChoice = 0;

void LoadChosenArchives() {}
