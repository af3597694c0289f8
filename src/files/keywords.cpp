#include "files/keywords.h"

#include <cstring>

#include "files/faders_lines.h"
#include "files/prefs_file.h"
#include "files/text_lines.h"

bool IsKeyWord(const char *word, int length)
{
    Field key{word, length};
    return FindFaderLine(key) || FindPrefLine(key);
}

bool IsEndWord(const char *word, int length)
{
    return KeyIs(Field{word, length}, "end");
}

int CheckForKey(const char *word)
{
    return word && IsKeyWord(word, (int)strlen(word)) ? 1 : 0;
}
