// Storing prefs.txt: the program's own lines under their conditions, the foreign lines
// of the old file, "end"; written atomically.
#include <cstring>

#include "state/status_message.h"
#include "files/file_io.h"
#include "files/prefs_file.h"
#include "files/project_files.h"
#include "files/text_lines.h"
#include "files/text_out.h"
#include "files/tracks_prefs_io.h"

static bool IsWritten(const PrefLine &line)
{
    switch (line.when) {
    case WHEN_ALWAYS:
        return true;
    case WHEN_ANY_NONZERO:
        for (int i = 0; i < line.count; i++)
            if (line.floats[i] != 0.0f)
                return true;
        return false;
    case WHEN_NOT_EMPTY:
        return line.text[0] != 0;
    case WHEN_TWO_CHARS:
        return line.text[0] != 0 && line.text[1] != 0;
    case WHEN_PANLAW:
        return *line.floats > 0.0f && (double)*line.floats < 6.1;
    case WHEN_ONE:
        return *line.number == 1;
    case WHEN_NEVER:
        break;
    }
    return false;
}

static void AppendPrefLine(TextOut *out, const PrefLine &line)
{
    AppendText(out, line.key);
    switch (line.kind) {
    case PREF_SWITCH:
        AppendText(out, *line.number == 1 ? "\ton" : "\toff");
        break;
    case PREF_FLOATS: {
        double values[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < line.count && i < 3; i++)
            values[i] = line.floats[i];
        AppendFormat(out, line.format, values[0], values[1], values[2]);
        break;
    }
    case PREF_TEXT:
        AppendText(out, "\t");
        AppendOneLine(out, line.text, (int)strnlen(line.text, line.count - 1));
        break;
    case PREF_INT:
    case PREF_COLOUR:
    case PREF_WHOLE:
        AppendFormat(out, "\t%i", *line.number);
        break;
    case PREF_FLAG:
    case PREF_PLAY:
        break;
    }
    AppendText(out, "\n");
}

int ComposePrefsText(char *text, const char *foreign)
{
    TextOut out = StartText(text, PREFS_TEXT_SIZE);
    for (int i = 0; i < PREF_LINE_COUNT; i++)
        if (IsWritten(PrefLines[i]))
            AppendPrefLine(&out, PrefLines[i]);
    AppendText(&out, foreign);
    AppendText(&out, "end\n");
    return out.overflow ? -1 : out.length;
}

bool KeepForeignPrefLines(char *text)
{
    static char kept[PREFS_FILE_SIZE + 1];
    TextOut out = StartText(kept, sizeof kept);
    if (!AppendForeignLines(&out, text, FIRST_LINE_KEPT_IF_FOREIGN)) {
        text[0] = 0;
        return false;
    }
    memcpy(text, kept, out.length + 1);
    return true;
}

void ScrubPrefs(char *text)
{
    KeepForeignPrefLines(text);
}

// The foreign lines of the old prefs.txt into `old`; false (with a status message)
// when the old file exists but cannot be carried over whole.
static bool LoadForeignPrefLines(char *old)
{
    int size = 0;
    switch (LoadWholeFile(PREFS_FILE, old, PREFS_FILE_SIZE, &size)) {
    case LOAD_OK:
        if (KeepForeignPrefLines(old))
            return true;
        break;
    case LOAD_MISSING:
    case LOAD_EMPTY:
        old[0] = 0;
        return true;
    case LOAD_TOO_LARGE:
        break;
    case LOAD_READ_ERROR:
        SetStatus("Could not write %s: the old file cannot be read", PREFS_FILE);
        return false;
    }
    SetStatus("Could not write %s: the old file is larger than %i bytes", PREFS_FILE,
              PREFS_FILE_SIZE - 1);
    return false;
}

bool WritePreferencesFile()
{
    static char old[PREFS_FILE_SIZE + 1];
    static char text[PREFS_TEXT_SIZE];
    if (!LoadForeignPrefLines(old))
        return false;
    int length = ComposePrefsText(text, old);
    // What is stored must be readable again.
    if (length < 0 || DiskSize(text, length) > PREFS_FILE_SIZE - 1) {
        SetStatus("Could not write %s: the text would be larger than %i bytes", PREFS_FILE,
                  PREFS_FILE_SIZE - 1);
        return false;
    }
    return StoreText(PREFS_FILE, text, length);
}
