// tracks.txt: one line "number name marker" per channel from 1 to the last channel worth
// keeping, then "end". The marker is "++" (soloed), "off" (muted) or "+".
#include <cstring>

#include "files/project_files.h"
#include "files/text_lines.h"
#include "files/text_out.h"
#include "files/tracks_file.h"
#include "files/tracks_prefs_io.h"

const char TRACKS_FILE[] = "tracks.txt";

static const char EMPTY_NAME[] = "----";

// ---- Storing ----------------------------------------------------------------------------

// A name the user gave, not the placeholder the store writes for an unnamed channel.
static bool HasOwnName(const char *name)
{
    return name[0] && strncmp(name, EMPTY_NAME, sizeof EMPTY_NAME) != 0;
}

// The highest channel that is unmuted and named, or that has a name of its own: a muted
// channel keeps its name (the wave file it plays) and its mute in the file. Channel 1 when
// there is none.
static int LastTrack()
{
    int last = 1;
    for (int c = 1; c <= CHANNEL_COUNT; c++) {
        const char *name = NameBuffer[ChannelSlot(c)];
        if ((MuteArray[ChannelSlot(c)] == 0 && name[0]) || HasOwnName(name))
            last = c;
    }
    return last;
}

static const char *TrackMarker(int slot)
{
    if (SoloArray[slot] == 1)
        return "++";
    return MuteArray[slot] == 1 ? "off" : "+";
}

int ComposeTracksText(char *text)
{
    TextOut out = StartText(text, TRACKS_TEXT_SIZE);
    int last = LastTrack();
    for (int c = 1; c <= last; c++) {
        int slot = ChannelSlot(c);
        char *name = NameBuffer[slot];
        if (!name[0]) {
            CopyText(name, NAME_SIZE, EMPTY_NAME);
            MuteArray[slot] = 1;
        }
        AppendFormat(&out, "%i ", c);
        AppendOneLine(&out, name, (int)strnlen(name, NAME_SIZE - 1));
        AppendFormat(&out, " %s\n", TrackMarker(slot));
    }
    AppendText(&out, "end\n");
    return out.length;
}

bool WriteTracksFile()
{
    static char text[TRACKS_TEXT_SIZE];
    int length = ComposeTracksText(text);
    return StoreText(TRACKS_FILE, text, length);
}

// ---- Reading ----------------------------------------------------------------------------

static bool LineIs(const TextLine &line, const char *word)
{
    int length = (int)strlen(word);
    return line.length == length && memcmp(line.text, word, length) == 0;
}

// Trailing spaces and tabs of a hand-edited line belong to no field.
static TextLine Trimmed(TextLine line)
{
    while (line.length > 0 && (line.text[line.length - 1] == ' ' || line.text[line.length - 1] == '\t'))
        line.length--;
    return line;
}

// Records start after a line that is exactly "begin", if the text has one: a header
// may precede the records.
static const char *FirstRecordLine(const char *text)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line))
        if (LineIs(Trimmed(line), "begin"))
            return walk.next;
    return text;
}

// One record: the number (not used: records are counted), then the name up to the
// last space, then the marker. The name may hold spaces; a record without a name
// leaves the channel's name, one without a marker its switches.
static void ReadTrackRecord(const TextLine &line, int slot)
{
    const char *p = line.text;
    const char *end = line.text + line.length;
    while (p < end && *p == ' ')
        p++;
    const char *afterNumber = static_cast<const char *>(memchr(p, ' ', end - p));
    if (!afterNumber)
        return;
    const char *rest = afterNumber + 1;
    const char *lastSpace = nullptr;
    for (const char *q = rest; q < end; q++)
        if (*q == ' ')
            lastSpace = q;
    // A single word after the number is the name of a record without a marker.
    const char *marker = lastSpace ? lastSpace + 1 : end;
    Field name{rest, (int)((lastSpace ? lastSpace : end) - rest)};
    Field mark{marker, (int)(end - marker)};
    if (name.length > 0)
        FieldToText(name, NameBuffer[slot], NAME_SIZE);
    if (mark.length == 0)
        return;
    if (KeyIs(mark, "++"))
        SoloArray[slot] = 1;
    else if (!KeyIs(mark, "+"))
        MuteArray[slot] = 1;
}

void ReadTracksText(const char *text)
{
    LineWalk walk = StartLines(FirstRecordLine(text));
    TextLine line;
    int channel = 1;
    while (channel <= CHANNEL_COUNT && NextLine(&walk, &line)) {
        line = Trimmed(line);
        if (LineIs(line, "end"))
            return;
        if (line.length == 0)
            continue;
        ReadTrackRecord(line, ChannelSlot(channel));
        channel++;
    }
}

bool RecallTracksFile()
{
    static char text[TRACKS_TEXT_SIZE];
    return RecallText(TRACKS_FILE, text, TRACKS_TEXT_SIZE, ReadTracksText);
}
