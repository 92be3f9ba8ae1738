// String ids of the add-on archive dialog that resource.h does not define; shared by Customize.rc and
// the code. Only #define lines: the resource compiler reads this file too.
#ifndef TUMBLERIDGE_CUSTOMIZESTRINGS_H
#define TUMBLERIDGE_CUSTOMIZESTRINGS_H

// "Only the first %lu of the %lu chosen add-on archives were kept ...": a choice too long to store whole.
#ifndef IDS_ARCHIVES_LEFT_OUT
#define IDS_ARCHIVES_LEFT_OUT 90
#endif

#endif
