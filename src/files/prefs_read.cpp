// Reading prefs.txt: each line whose first field is a key sets what the key names from
// the values of that line alone. Lines after the first "end" line are not read.
#include <cmath>
#include <cstring>

#include "files/prefs_file.h"
#include "files/project_files.h"
#include "files/text_lines.h"
#include "files/tracks_prefs_io.h"

static const PrefLine *FindPrefLine(const Field &key)
{
    for (int i = 0; i < PREF_LINE_COUNT; i++)
        if (KeyIs(key, PrefLines[i].key))
            return &PrefLines[i];
    return nullptr;
}

// Truncated toward zero, kept within the range of FieldToInt.
static int WholePart(float value)
{
    const float limit = 1e9f;
    if (std::isnan(value))
        return 0;
    if (value > limit)
        return (int)limit;
    if (value < -limit)
        return -(int)limit;
    return (int)value;
}

static void ReadPrefLine(const PrefLine &line, FieldWalk *fields)
{
    switch (line.kind) {
    case PREF_SWITCH: {
        Field value = RestOfLine(fields);
        if (KeyIs(value, "on"))
            *line.number = 1;
        else if (KeyIs(value, "off"))
            *line.number = 0;
        break;
    }
    case PREF_FLOATS:
        for (int i = 0; i < line.count; i++)
            line.floats[i] = FieldToFloat(i + 1 < line.count ? NextField(fields) : RestOfLine(fields));
        break;
    case PREF_TEXT:
        FieldToText(RestOfLine(fields), line.text, line.count);
        break;
    case PREF_INT:
        *line.number = FieldToInt(RestOfLine(fields));
        break;
    case PREF_COLOUR:
        *line.number = ColourIndex(FieldToInt(RestOfLine(fields)));
        break;
    case PREF_WHOLE:
        *line.number = WholePart(FieldToFloat(RestOfLine(fields)));
        break;
    case PREF_FLAG:
        *line.number = 1;
        break;
    case PREF_PLAY: {
        int play = FieldToInt(RestOfLine(fields));
        memcpy(line.text, &play, sizeof play);
        break;
    }
    }
}

void ReadPrefsText(const char *text)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        Field key = LineKey(line);
        if (KeyIs(key, "end"))
            return;
        const PrefLine *pref = FindPrefLine(key);
        if (!pref)
            continue;
        FieldWalk fields = FieldsAfterKey(line);
        ReadPrefLine(*pref, &fields);
    }
}

bool RecallPreferencesFile()
{
    static char text[PREFS_FILE_SIZE];
    return RecallText(PREFS_FILE, text, PREFS_FILE_SIZE, ReadPrefsText);
}
