// prefs.txt beyond the operations of project_files.h: its lines, its text, its limits.
#pragma once

#include "state/mix_state.h"

extern const char PREFS_FILE[];

// The largest prefs.txt, in bytes on disk, that is read (and so the largest stored).
enum { PREFS_FILE_SIZE = 16384 };
// The program's own lines at their longest: sixteen lines of a key, a tab and at most
// a full path (three numbers of a float's full range are shorter) and a line end.
enum { PREFS_OWN_MAX = 16 * (8 + PATH_SIZE) };
// The composed text: the program's own lines, the carried-over lines of the old file, "end".
enum { PREFS_TEXT_SIZE = PREFS_FILE_SIZE + PREFS_OWN_MAX };

// How a line's values are read and written.
enum PrefKind {
    PREF_SWITCH,    // "on" / "off" into an integer 1 / 0
    PREF_FLOATS,    // one to three numbers, the last one the rest of the line
    PREF_TEXT,      // the rest of the line, cut to the buffer
    PREF_INT,       // an integer
    PREF_COLOUR,    // an integer kept within the window colour indices 0 to 255
    PREF_WHOLE,     // a number truncated toward zero into an integer
    PREF_FLAG,      // no value: the line sets the integer to 1
    PREF_PLAY,      // an integer kept in the first four bytes of a text buffer
};

// When the writer writes a line.
enum PrefWhen {
    WHEN_ALWAYS,
    WHEN_ANY_NONZERO,   // one of the numbers is not 0.0
    WHEN_NOT_EMPTY,
    WHEN_TWO_CHARS,     // the text has at least two characters
    WHEN_PANLAW,        // 0.0 < value < 6.1
    WHEN_ONE,           // the integer is 1
    WHEN_NEVER,         // read only
};

struct PrefLine {
    const char *key;
    PrefKind kind;
    PrefWhen when;
    const char *format;   // PREF_FLOATS: the values after the key, e.g. "\t%.3f"
    float *floats;
    int count;            // numbers of PREF_FLOATS, bytes of PREF_TEXT / PREF_PLAY
    int *number;
    char *text;
};

// The lines in the order they are written; the read-only ones last.
extern const PrefLine PrefLines[];
extern const int PREF_LINE_COUNT;

// Composes the program's own lines, then `foreign` (carried-over lines), then "end".
// Returns the length, or -1 when the text does not fit PREFS_TEXT_SIZE.
int ComposePrefsText(char *text, const char *foreign);
// Keeps only the foreign lines of an old prefs.txt, in place; false (and an empty
// text) when they do not fit PREFS_FILE_SIZE. The buffer has room for one character
// more than the text, since a last line without its line end gains one.
bool KeepForeignPrefLines(char *text);
// Reads a prefs.txt text into the state; only the first field of a line is a key.
void ReadPrefsText(const char *text);
