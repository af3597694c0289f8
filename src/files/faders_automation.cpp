// Recalling the automation of faders.txt: cue names, time indices and the volume,
// offset, ramp and shape lines of each block. Blocks are numbered by their order.
#include <algorithm>
#include <iterator>

#include "state/status_message.h"
#include "files/faders_file.h"
#include "files/project_files.h"
#include "files/text_lines.h"

struct AutomationRead {
    int index;          // current time index; -1 before the first block, INDEX_COUNT past the last
    int slot;           // slot of the last volume line; -1 after one that was ignored
    float lastMin, lastSec, lastMsec;
};

static void OpenBlock(AutomationRead *read, float min, float sec, float msec)
{
    if (read->index < INDEX_COUNT)
        read->index++;
    read->lastMin = min;
    read->lastSec = sec;
    read->lastMsec = msec;
    if (!IsIndex(read->index))
        return;
    IndexMin[read->index] = min;
    IndexSec[read->index] = sec;
    IndexMsec[read->index] = msec;
    IndexActiveArray[read->index] = 1;
}

static void ReadCue(AutomationRead *read, FieldWalk *fields)
{
    int next = read->index + 1;
    if (IsIndex(next))
        FieldToText(RestOfLine(fields), CueNameBuffer[next], CUE_SIZE);
}

static void ReadTime(AutomationRead *read, FieldWalk *fields)
{
    float min = FieldToFloat(NextField(fields));
    float sec = FieldToFloat(NextField(fields));
    OpenBlock(read, min, sec, FieldToFloat(RestOfLine(fields)));
}

// A block at the last time read plus a number of seconds (no carry into minutes).
static void ReadIncrement(AutomationRead *read, FieldWalk *fields)
{
    float step = FieldToFloat(RestOfLine(fields));
    OpenBlock(read, read->lastMin, read->lastSec + step, read->lastMsec);
}

static void SetVolume(AutomationRead *read, int slot, float volume)
{
    read->slot = IsSlot(slot) ? slot : -1;
    if (read->slot < 0 || !IsIndex(read->index))
        return;
    ChanActive[Cell(slot, read->index)] = 1;
    Volume[Cell(slot, read->index)] = volume;
}

static void ReadVolume(AutomationRead *read, FieldWalk *fields)
{
    int slot = ReadSlotFields(fields);
    SetVolume(read, slot, FieldToFloat(RestOfLine(fields)));
}

static void ReadVcaVolume(AutomationRead *read, FieldWalk *fields)
{
    int n = FieldToInt(NextField(fields));
    float volume = FieldToFloat(RestOfLine(fields));
    SetVolume(read, IsGroupNumber(n) ? VcaSlot(n) : -1, volume);
}

// ofs, rmp and shape belong to the slot of the volume line above them.
static void ReadSlotValue(AutomationRead *read, FieldWalk *fields, float *table)
{
    float value = FieldToFloat(RestOfLine(fields));
    if (read->slot >= 0 && IsIndex(read->index))
        table[Cell(read->slot, read->index)] = value;
}

static void ReadOffset(AutomationRead *read, FieldWalk *fields) { ReadSlotValue(read, fields, Offset); }
static void ReadRamp(AutomationRead *read, FieldWalk *fields) { ReadSlotValue(read, fields, Ramp); }
static void ReadShape(AutomationRead *read, FieldWalk *fields) { ReadSlotValue(read, fields, Shape); }

struct AutomationKey {
    const char *key;
    void (*read)(AutomationRead *read, FieldWalk *fields);
};

static const AutomationKey AutomationKeys[] = {
    {"cue", ReadCue}, {"t", ReadTime}, {"inc", ReadIncrement}, {"v", ReadVolume},
    {"vca", ReadVcaVolume}, {"ofs", ReadOffset}, {"rmp", ReadRamp}, {"shape", ReadShape},
};

void ReadVolumes(char *text)
{
    AutomationRead read = {-1, ChannelSlot(1), 0, 0, 0};
    ForEachBodyLine(text, [&](const Field &key, FieldWalk *fields) {
        const AutomationKey *k = std::find_if(std::begin(AutomationKeys), std::end(AutomationKeys),
                                              [&](const AutomationKey &a) { return KeyIs(key, a.key); });
        if (k != std::end(AutomationKeys))
            k->read(&read, fields);
    });
}

int RecallFaderFile()
{
    int size = 0;
    FaderLoad load = LoadFaderText(&size);
    if (load == FADERS_NOT_CREATED)
        return 0;
    if (load == FADERS_TOO_LARGE) {
        SetStatus("Could not read %s: larger than %i bytes", FADERS_FILE, FADER_FILE_LIMIT);
        return 0;
    }
    SetStatus("Read %i bytes from %s", size, FADERS_FILE);
    ParseBufferMulti(reserve_fbuff);
    ReadVolumes(reserve_fbuff);
    return size;
}
