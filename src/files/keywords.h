// The 52 key words that begin the lines this program owns in faders.txt and prefs.txt,
// and "end", which closes both texts. Case-sensitive.
#pragma once

// 1 when `word` is one of the 52 key words, else 0.
int CheckForKey(const char *word);
// The same test for a word that is not zero-terminated.
bool IsKeyWord(const char *word, int length);
// True when the word is "end".
bool IsEndWord(const char *word, int length);
