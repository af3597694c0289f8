#include "files/keywords.h"

#include <algorithm>
#include <cstring>
#include <iterator>

static const char *const KeyWords[] = {
    // faders.txt
    "hp", "comp", "rms", "nlc", "lim", "fxg", "band1", "band2", "hshelf", "lshelf",
    "rev", "trev", "rtn", "trtn", "rhp", "rlp", "width", "pos", "shape", "t", "p",
    "inc", "ofs", "rmp", "v", "sub", "vca", "VCA:", "subname", "vcaname", "cue",
    "submu", "subso",
    // prefs.txt
    "pre", "start", "length", "xin", "xout", "head", "tail", "oname", "path", "color",
    "pan", "outbits", "mono", "play", "device", "wavdir", "mixdir", "launch", "dither",
};
static_assert(sizeof KeyWords / sizeof KeyWords[0] == 52, "52 key words");

static bool SameWord(const char *word, int length, const char *key)
{
    return word[0] == key[0] && strncmp(word, key, length) == 0 && key[length] == 0;
}

bool IsKeyWord(const char *word, int length)
{
    return length > 0 && std::any_of(std::begin(KeyWords), std::end(KeyWords),
                                      [&](const char *key) { return SameWord(word, length, key); });
}

bool IsEndWord(const char *word, int length)
{
    return length == 3 && SameWord(word, length, "end");
}

int CheckForKey(const char *word)
{
    return word && IsKeyWord(word, (int)strlen(word)) ? 1 : 0;
}
