#include "files/tracks_prefs_io.h"

#include "state/status_message.h"
#include "files/file_io.h"

bool RecallText(const char *name, char *buffer, int capacity, void (*read)(const char *text))
{
    int size = 0;
    switch (LoadWholeFile(name, buffer, capacity, &size)) {
    case LOAD_OK:
        SetStatus("Read %i bytes from %s", size, name);
        read(buffer);
        return true;
    case LOAD_MISSING:
        break;
    case LOAD_EMPTY:
        SetStatus("Read 0 bytes from %s", name);
        break;
    case LOAD_TOO_LARGE:
        SetStatus("Could not read %s: larger than %i bytes", name, capacity - 1);
        break;
    case LOAD_READ_ERROR:
        SetStatus("Could not read %s", name);
        break;
    }
    return false;
}

bool StoreText(const char *name, const char *text, int length)
{
    char reason[SAVE_REASON_SIZE];
    if (!SaveTextAtomically(name, text, length, reason, sizeof reason)) {
        SetStatus("Could not write %s: %s", name, reason);
        return false;
    }
    SetStatus("Wrote %i bytes to %s", length, name);
    return true;
}
