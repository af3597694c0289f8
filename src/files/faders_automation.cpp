// Recalling the automation of faders.txt: cue names, time indices and the volume,
// offset, ramp and shape lines of each block. Blocks are numbered by their order.
#include "state/status_message.h"
#include "files/faders_file.h"
#include "files/faders_lines.h"
#include "files/project_files.h"
#include "files/text_lines.h"

// The next block; past the last index the lines of further blocks are ignored.
static void OpenBlock(FaderRead *read, const float time[3])
{
    if (read->index < INDEX_COUNT)
        read->index++;
    for (int i = 0; i < 3; i++)
        read->lastTime[i] = time[i];
    if (!IsIndex(read->index))
        return;
    IndexMin[read->index] = time[0];
    IndexSec[read->index] = time[1];
    IndexMsec[read->index] = time[2];
    IndexActiveArray[read->index] = 1;
}

void ReadCue(FaderRead *read, const FaderLine &, FieldWalk *fields)
{
    int next = read->index + 1;
    if (IsIndex(next))
        FieldToText(RestOfLine(fields), CueNameBuffer[next], CUE_SIZE);
}

void ReadTime(FaderRead *read, const FaderLine &line, FieldWalk *fields)
{
    float time[3];
    ReadValues(fields, time, line.count);
    OpenBlock(read, time);
}

// A block at the last time read plus a number of seconds (no carry into minutes).
void ReadIncrement(FaderRead *read, const FaderLine &, FieldWalk *fields)
{
    float step = FieldToFloat(RestOfLine(fields));
    float time[3] = {read->lastTime[0], read->lastTime[1] + step, read->lastTime[2]};
    OpenBlock(read, time);
}

void ReadVolume(FaderRead *read, const FaderLine &line, FieldWalk *fields)
{
    int slot = ReadLineSlot(line, fields);
    float volume = FieldToFloat(RestOfLine(fields));
    read->slot = slot;
    if (slot < 0 || !IsIndex(read->index))
        return;
    ChanActive[Cell(slot, read->index)] = 1;
    line.values[Cell(slot, read->index)] = volume;
}

// ofs, rmp and shape belong to the strip of the volume line above them.
void ReadSlotValue(FaderRead *read, const FaderLine &line, FieldWalk *fields)
{
    float value = FieldToFloat(RestOfLine(fields));
    if (read->slot >= 0 && IsIndex(read->index))
        line.values[Cell(read->slot, read->index)] = value;
}

void ReadVolumes(char *text)
{
    ReadFaderLines(text, AUTOMATION_LINES);
}

int RecallFaderFile()
{
    FaderLoad load;
    int size = ReadFaderFile(&load);
    if (load == FADERS_NOT_CREATED)
        return 0;
    if (load == FADERS_TOO_LARGE) {
        SetStatus("Could not read %s: larger than %i bytes", FADERS_FILE, FADER_FILE_LIMIT);
        return 0;
    }
    SetStatus("Read %i bytes from %s", size, FADERS_FILE);
    ReadFaderLines(reserve_fbuff, ALL_LINES);
    return size;
}
