// What every fuzz target shares: a fresh state per input, a terminated copy of the
// input, and the checks that the readers kept the state within its tables' rules.
#pragma once

#include <cstddef>
#include <cstdint>

// The start-up state, including the few values that start-up leaves alone.
void ResetState();
// The input as a zero-terminated text of at most `limit` - 1 characters, in a heap
// block of exactly that size so the sanitizers see any read past its end. free() it.
char *TerminatedCopy(const uint8_t *data, size_t size, size_t limit);
// Traps unless every on/off table holds 0 or 1 and every text is terminated.
void CheckState();
// Sends standard output (the readers' diagnostics) to /dev/null.
void SilenceStandardOutput();
// Runs the rest of the process in a new empty directory (on a memory file system
// when there is one, since every store syncs its file) and silences standard output.
void EnterScratchDirectory();
