// The key words that begin the lines this program owns: the keys of the rows of the
// faders.txt and prefs.txt line tables. "end" closes both texts. Case-sensitive.
#pragma once

// 1 when `word` is one of the key words, else 0.
int CheckForKey(const char *word);
// The same test for a word that is not zero-terminated.
bool IsKeyWord(const char *word, int length);
// True when the word is "end".
bool IsEndWord(const char *word, int length);
