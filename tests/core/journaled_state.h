// The bytes of every table the undo journal covers, in its order: a picture of the mix that
// tests compare and put back.
#pragma once
#include <cstring>
#include <string>

#include "state/undo_journal.h"

inline std::string JournaledState()
{
    std::string bytes;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        bytes.append(static_cast<const char *>(JournalTables[t].address), JournalTables[t].size);
    return bytes;
}

inline void RestoreJournaledState(const std::string &bytes)
{
    size_t at = 0;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++) {
        memcpy(JournalTables[t].address, bytes.data() + at, JournalTables[t].size);
        at += JournalTables[t].size;
    }
}
