// Whether a file or folder exists, by each of the tests the launcher's callers rely on.
#ifndef TUMBLERIDGE_FILEEXISTS_H
#define TUMBLERIDGE_FILEEXISTS_H

// The platform's existence test (OpenFile with OF_EXIST): a bare name is looked for in the platform's usual
// folders. An empty removable or CD-ROM drive answers false quietly, without the system's "no disk" box.
bool ExistsByOpenFile(const char* path);

// By the entry's attributes: an entry of exactly that name that is a file (not a folder), or a folder. A
// null or empty path is neither.
bool IsExistingFile(const char* path);
bool IsExistingFolder(const char* path);

// Whether the file opens for reading in text mode ("r"), closed again at once.
bool OpensForReading(const char* path);

#endif
