// Where the main and the sound archive were found, settled once at start-up.
#ifndef TUMBLERIDGE_ARCHIVELOCATION_H
#define TUMBLERIDGE_ARCHIVELOCATION_H

// Looks for "<stem>.rez" (file), "<stem>" (folder) and, with a disc letter, "X:\data\<stem>.rez"; then for
// "sound.rez" (file) and "sound" (folder). 1 when both were found.
int LocateArchives(char discLetter);

const char* MainArchivePath();    // empty when the main archive was found nowhere
const char* SoundArchivePath();   // empty when the sound archive was found nowhere

#endif
