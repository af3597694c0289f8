// Loading and storing tracks.txt and prefs.txt with their status messages.
#pragma once

// Loads the file whole into `buffer` and hands the text to `read`. Reports "Read %i bytes
// from <name>" and returns true when there was a text to read; a missing file returns
// false silently; an empty, unreadable or too large one returns false with a message.
bool RecallText(const char *name, char *buffer, int capacity, void (*read)(const char *text));
// Stores the text atomically and reports "Wrote %i bytes to <name>" (the length of the
// text), or "Could not write <name>: <reason>" and false.
bool StoreText(const char *name, const char *text, int length);
