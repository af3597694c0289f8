// Recalling faders.txt: one walk from line 2 (line 1 is the mix name) up to the "end"
// line sends each line to the handler of its row in FaderLines. Effects and sends are
// switched off first; everything else keeps its value where the file is silent. Numbers
// that would fall outside a table are ignored; the text is never changed.
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "files/faders_file.h"
#include "files/faders_lines.h"
#include "files/project_files.h"
#include "files/text_lines.h"
#include "state/effects.h"

int ReadSlotFields(FieldWalk *fields)
{
    Field field = NextField(fields);
    if (KeyIs(field, "M"))
        return MasterSlot();
    if (KeyIs(field, "G"))
        return SubmixSlot(0) + FieldToInt(NextField(fields));
    return FieldToInt(field);
}

int ReadLineSlot(const FaderLine &line, FieldWalk *fields)
{
    if (line.slot == SLOT_GROUP) {
        int n = FieldToInt(NextField(fields));
        return IsGroupNumber(n) ? line.group->firstSlot + n - 1 : -1;
    }
    int slot = ReadSlotFields(fields);
    if (line.slot == SLOT_STRIP)
        return IsSlot(slot) ? slot : -1;
    if (!HasEffectChain(slot)) {
        puts(">>Channel number out of range or not specified!");
        slot = SubmixSlot(GROUP_COUNT);
    }
    return slot;
}

// ---- Effects, pans, sends, reverb -----------------------------------------------------

static void SetEffectRow(const EffectKind &effect, int slot, FieldWalk *fields)
{
    float *row = effect.table[slot];
    row[0] = 1.0f;
    ReadValues(fields, row + 1, effect.cells - 1);
}

void ParamsFromBuffer(FaderRead *, const FaderLine &line, FieldWalk *fields)
{
    int slot = ReadLineSlot(line, fields);
    if (slot >= 0)
        SetEffectRow(*line.effect, slot, fields);
}

void Params1D(FaderRead *, const FaderLine &line, FieldWalk *fields)
{
    int slot = ReadLineSlot(line, fields);
    float value = FieldToFloat(RestOfLine(fields));
    if (slot >= 0)
        line.values[slot] = value;
}

void ParamGetAmt(FaderRead *, const FaderLine &line, FieldWalk *fields)
{
    ReadValues(fields, line.values, line.count);
}

// A filter line switches its filter on; none switches it off.
void ParamGetTwo(FaderRead *, const FaderLine &line, FieldWalk *fields)
{
    line.values[0] = 1.0f;
    ReadValues(fields, line.values + 1, 1);
}

// ---- Submix switches and routing ------------------------------------------------------

// The submix number is the whole rest of the line.
void ReadSubmixState(FaderRead *, const FaderLine &line, FieldWalk *fields)
{
    int n = FieldToInt(RestOfLine(fields));
    if (IsGroupNumber(n))
        line.flags[SubmixSlot(n)] = 1;
}

static void DecodeMembers(const GroupRouting &kind, const char *list, int length, int group)
{
    const char *end = list + length;
    for (const char *piece = list; piece <= end;) {
        const char *comma = static_cast<const char *>(memchr(piece, ',', end - piece));
        const char *pieceEnd = comma ? comma : end;
        int channel = FieldToInt(Field{piece, (int)(pieceEnd - piece)});
        if (channel >= 1 && channel <= CHANNEL_COUNT)
            kind.assigned[RouteCell(channel, group + 1)] = 1;
        else if (channel != 0)
            printf(kind.memberMessage, group + 1);
        piece = pieceEnd + 1;
    }
}

void RouteChannel(const char *list, int length, int group)
{
    DecodeMembers(SubmixRouting, list, length, group);
}

void RoutetoVCA(const char *list, int length, int group)
{
    DecodeMembers(VcaRouting, list, length, group);
}

// A list is held as a span of the text, read whole; the last one for a group counts.
void ReadMemberList(FaderRead *read, const FaderLine &line, FieldWalk *fields)
{
    const GroupRouting &kind = *line.group;
    int slot = ReadLineSlot(line, fields);
    Field list = RestOfLine(fields);
    if (slot < 0) {
        puts(kind.numberMessage);
        return;
    }
    int group = slot - kind.firstSlot;
    kind.on[group] = 1;
    read->lists[kind.which][group] = list;
    read->held[kind.which][group] = true;
}

void ReadGroupName(FaderRead *, const FaderLine &line, FieldWalk *fields)
{
    int slot = ReadLineSlot(line, fields);
    Field name = RestOfLine(fields);
    if (slot >= 0)
        FieldToText(name, NameBuffer[slot], NAME_SIZE);
}

static void DecodeHeldLists(const FaderRead &read)
{
    for (const GroupRouting *kind : {&SubmixRouting, &VcaRouting})
        for (int group = 0; group < GROUP_COUNT; group++)
            if (kind->on[group] == 1 && read.held[kind->which][group]) {
                const Field &list = read.lists[kind->which][group];
                DecodeMembers(*kind, list.text, list.length, group);
            }
}

// ---- The whole text -------------------------------------------------------------------

static bool HasAnyField(const char *text)
{
    return text[strspn(text, "\t\r\n")] != 0;
}

// Line 1 up to its line end becomes the mix name when it is longer than 3 characters.
static void ReadMixName(const TextLine &line)
{
    if (line.length > 3)
        FieldToText(Field{line.text, line.length}, MixName, NAME_SIZE);
}

static void SwitchEffectsOff()
{
    for (const EffectKind &effect : Effects)
        for (int slot = 0; slot < SLOT_COUNT; slot++)
            effect.table[slot][0] = 0.0f;
}

void ReadFaderLines(const char *text, LineSection sections)
{
    if (!HasAnyField(text))
        return;
    FaderRead read = {-1, ChannelSlot(1), {0, 0, 0}, {}, {}, {}};
    bool settings = sections & SETTINGS_LINES;
    if (settings)
        SwitchEffectsOff();
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        if (line.number == 1) {
            if (settings)
                ReadMixName(line);
            continue;
        }
        FieldWalk fields{line.text, line.text + line.length};
        Field key = NextField(&fields);
        if (KeyIs(key, "end"))
            break;
        const FaderLine *row = FindFaderLine(key);
        if (!row || !(row->section & sections))
            continue;
        if (row->repeat == FIRST_COUNTS) {
            bool &seen = read.seen[row - FaderLines];
            if (seen)
                continue;
            seen = true;
        }
        row->read(&read, *row, &fields);
    }
    if (settings)
        DecodeHeldLists(read);
}

void ParseBufferMulti(char *text)
{
    ReadFaderLines(text, SETTINGS_LINES);
}

// ---- One strip's effect lines ---------------------------------------------------------

bool ReadEffectLine(const char *text, int slot)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    if (!HasEffectChain(slot) || !NextLine(&walk, &line))
        return false;
    FieldWalk fields{line.text, line.text + line.length};
    const FaderLine *row = FindFaderLine(NextField(&fields));
    if (!row || !row->effect)
        return false;
    ReadSlotFields(&fields);
    SetEffectRow(*row->effect, slot, &fields);
    return true;
}
