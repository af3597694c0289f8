// Loading and storing tracks.txt and prefs.txt with their status messages.
#pragma once

// Loads the file whole into `buffer` for reading. Reports "Read %i bytes from <name>"
// and returns true when there is a text to read; a missing file returns false
// silently; an empty, unreadable or too large one returns false with a message.
bool LoadTextToRead(const char *name, char *buffer, int capacity);
// Stores the text atomically and reports "Wrote %i bytes to <name>" (the length of the
// text), or "Could not write <name>: <reason>" and false.
bool StoreText(const char *name, const char *text, int length);
