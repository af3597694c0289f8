// Whole-file loading with a size limit, and atomic saving of a composed text.
//
// Project texts are composed with LF line ends and stored with CR LF. A save goes
// through a temporary file in the same directory that replaces the target only once
// every byte is on disk, so a failed save never damages the file already there.
#pragma once

#include <sys/types.h>

enum LoadResult {
    LOAD_OK,
    LOAD_MISSING,     // no such file
    LOAD_EMPTY,       // size 0
    LOAD_TOO_LARGE,   // more than capacity - 1 bytes: refused
    LOAD_READ_ERROR,  // the file exists but cannot be opened, or was read short
};

// Loads the file named `name` whole, in binary, into `buffer` and terminates it with a
// zero; `*size` receives the byte count (0 on failure). The buffer is left untouched
// unless the result is LOAD_OK or LOAD_READ_ERROR (then it holds an empty text).
LoadResult LoadWholeFile(const char *name, char *buffer, int capacity, int *size);

enum { SAVE_REASON_SIZE = 128 };

// Stores the first `length` characters of `text` as the file `name`, each LF written as
// CR LF. Returns true when the file was replaced. Otherwise the old file is as it was,
// the temporary file is gone and `reason` holds a short text for the status line
// (the system's error text, or "short write").
bool SaveTextAtomically(const char *name, const char *text, int length,
                        char *reason, int reasonSize);

// Number of bytes the text takes on disk: one extra CR per LF.
int DiskSize(const char *text, int length);

// Test-only: when set, every write of a save goes through this function instead of
// write(2), so tests can make a save fail part-way. Null in the product.
extern ssize_t (*FileWriteHook)(int fd, const void *data, size_t size);
