// Recalling faders.txt: every pass reads the lines whose first field is its key, from
// line 2 (line 1 is the mix name) up to the "end" line, and merges them into the state.
// Numbers that would fall outside a table are ignored; the text is never changed.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "state/status_message.h"
#include "files/effect_lines.h"
#include "files/faders_file.h"
#include "files/project_files.h"
#include "files/text_lines.h"
#include "state/effects.h"

// Calls handle(fields) for every line whose key is `key`.
template <typename Handler>
static void ForEachKeyLine(const char *text, const char *key, Handler handle)
{
    ForEachBodyLine(text, [&](const Field &first, FieldWalk *fields) {
        if (KeyIs(first, key))
            handle(fields);
    });
}

int ReadSlotFields(FieldWalk *fields)
{
    Field field = NextField(fields);
    if (KeyIs(field, "M"))
        return MasterSlot();
    if (KeyIs(field, "G"))
        return SubmixSlot(0) + FieldToInt(NextField(fields));
    return FieldToInt(field);
}

static float LastValue(FieldWalk *fields)
{
    return FieldToFloat(RestOfLine(fields));
}

// ---- Effects, pans, sends, reverb -----------------------------------------------------

// Switches an effect on in `row` with the values after the line's slot.
static void SetEffectRow(float *row, int cellCount, FieldWalk *fields)
{
    row[0] = 1.0f;
    for (int cell = 1; cell < cellCount - 1; cell++)
        row[cell] = FieldToFloat(NextField(fields));
    row[cellCount - 1] = LastValue(fields);
}

void ParamsFromBuffer(char *text, const char *key, float *table, int rowLength, int cellCount)
{
    for (int slot = 0; slot < SLOT_COUNT; slot++)
        table[slot * rowLength] = 0.0f;
    ForEachKeyLine(text, key, [&](FieldWalk *fields) {
        int slot = ReadSlotFields(fields);
        if (slot > SubmixSlot(GROUP_COUNT) || slot < 0) {
            puts(">>Channel number out of range or not specified!");
            slot = SubmixSlot(GROUP_COUNT);
        }
        SetEffectRow(table + slot * rowLength, cellCount, fields);
    });
}

void Params1D(char *text, const char *key, float *table)
{
    ForEachKeyLine(text, key, [&](FieldWalk *fields) {
        int slot = ReadSlotFields(fields);
        float value = LastValue(fields);
        if (IsSlot(slot))
            table[slot] = value;
    });
}

void Params2D(char *text, const char *key, float *table)
{
    for (int slot = 0; slot < SLOT_COUNT; slot++)
        table[slot * EFFECT_CELLS] = 0.0f;
    ForEachKeyLine(text, key, [&](FieldWalk *fields) {
        int slot = ReadSlotFields(fields);
        float value = LastValue(fields);
        if (!IsSlot(slot))
            return;
        table[slot * EFFECT_CELLS] = 1.0f;
        table[slot * EFFECT_CELLS + 1] = value;
    });
}

void ParamGetAmt(char *text, const char *key, float *values, int count)
{
    ForEachKeyLine(text, key, [&](FieldWalk *fields) {
        for (int i = 0; i < count - 1; i++)
            values[i] = FieldToFloat(NextField(fields));
        values[count - 1] = LastValue(fields);
    });
}

void ParamGetTwo(char *text, const char *key, float *pair)
{
    bool seen = false;
    ForEachKeyLine(text, key, [&](FieldWalk *fields) {
        if (seen)
            return;
        seen = true;
        pair[0] = 1.0f;
        pair[1] = LastValue(fields);
    });
}

// ---- Submix switches and routing ------------------------------------------------------

void ReadSubmixState(char *text)
{
    struct Switch { const char *key; int *table; };
    static const Switch switches[] = {{"submu", MuteArray}, {"subso", SoloArray}};
    for (const Switch &s : switches)
        ForEachKeyLine(text, s.key, [&](FieldWalk *fields) {
            int n = FieldToInt(RestOfLine(fields));
            if (IsGroupNumber(n))
                s.table[SubmixSlot(n)] = 1;
        });
}

struct GroupRouting {
    const char *listKey;
    const char *nameKey;
    int *on;
    int *assigned;
    int firstSlot;              // slot of group 1
    const char *numberMessage;
    const char *memberMessage;  // filled with the group number
};

static const GroupRouting SubmixRouting = {
    "sub", "subname", SubOn, SubAsn, SubmixSlot(1),
    "Submix number out of range!", "Channel assigned to sub %i is out of range!\n"};
static const GroupRouting VcaRouting = {
    "VCA:", "vcaname", VcaOn, VcaAsn, VcaSlot(1),
    "VCA number out of range!", "Channel assigned to VCA %i is out of range!\n"};

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

// Lists are held as spans of the text, read whole, and decoded after the scan.
static void ParseGroups(char *text, const GroupRouting &kind)
{
    Field held[GROUP_COUNT] = {};
    bool holds[GROUP_COUNT] = {};
    ForEachKeyLine(text, kind.listKey, [&](FieldWalk *fields) {
        int n = FieldToInt(NextField(fields));
        Field list = RestOfLine(fields);
        if (!IsGroupNumber(n)) {
            puts(kind.numberMessage);
            return;
        }
        kind.on[n - 1] = 1;
        held[n - 1] = list;
        holds[n - 1] = true;
    });
    ForEachKeyLine(text, kind.nameKey, [&](FieldWalk *fields) {
        int n = FieldToInt(NextField(fields));
        Field name = RestOfLine(fields);
        if (IsGroupNumber(n))
            FieldToText(name, NameBuffer[kind.firstSlot + n - 1], NAME_SIZE);
    });
    for (int group = 0; group < GROUP_COUNT; group++)
        if (kind.on[group] == 1 && holds[group])
            DecodeMembers(kind, held[group].text, held[group].length, group);
}

void ParseSubmix(char *text)
{
    ParseGroups(text, SubmixRouting);
}

void ParseVCA(char *text)
{
    ParseGroups(text, VcaRouting);
}

// ---- The whole text -------------------------------------------------------------------

static bool HasAnyField(const char *text)
{
    return text[strspn(text, "\t\r\n")] != 0;
}

// Line 1 up to its line end becomes the mix name when it is longer than 3 characters.
static void ReadMixName(const char *text)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    if (!NextLine(&walk, &line))
        return;
    if (line.length <= 3)
        return;
    FieldToText(Field{line.text, line.length}, MixName, NAME_SIZE);
}

static bool IsAutomationKey(const Field &key)
{
    static const char *const keys[] = {"cue", "t", "inc", "v", "vca", "ofs", "rmp", "shape"};
    return std::any_of(std::begin(keys), std::end(keys), [&](const char *k) { return KeyIs(key, k); });
}

// The settings passes below each walk the whole text; most lines of a large file are
// automation, so they walk a copy without it: line 1 and the other lines up to "end".
static char *SettingsLines(const char *text)
{
    static char settings[FADER_TEXT_SIZE];
    TextOut out = StartText(settings, sizeof settings);
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        Field key = LineKey(line);
        if (line.number > 1 && KeyIs(key, "end"))
            break;
        if (line.number > 1 && IsAutomationKey(key))
            continue;
        AppendBytes(&out, line.text, line.length);
        AppendText(&out, "\n");
    }
    return settings;
}

void ParseBufferMulti(char *text)
{
    if (!HasAnyField(text))
        return;
    ReadMixName(text);
    text = SettingsLines(text);
    for (const EffectKind &effect : Effects)
        if (effect.table != Prev && effect.table != Ptrev)
            ParamsFromBuffer(text, effect.key, effect.table[0], EFFECT_CELLS, effect.cells);
    Params1D(text, "p", Pan);
    Params2D(text, "rev", Prev[0]);
    Params2D(text, "trev", Ptrev[0]);
    ParamGetAmt(text, "rtn", Prtn, 2);
    ParamGetAmt(text, "trtn", Ptrtn, 3);
    ParamGetTwo(text, "rhp", Prhp);
    ParamGetTwo(text, "rlp", Prlp);
    ParamGetAmt(text, "width", &Prev_width, 1);
    ParamGetAmt(text, "pos", Prev_position, 3);
    ReadSubmixState(text);
    ParseSubmix(text);
    ParseVCA(text);
}

// ---- One strip's effect lines ---------------------------------------------------------

bool ReadEffectLine(const char *text, int slot)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    if (!IsSlot(slot) || !NextLine(&walk, &line))
        return false;
    FieldWalk fields{line.text, line.text + line.length};
    Field key = NextField(&fields);
    for (const EffectKind &effect : Effects) {
        if (!KeyIs(key, effect.key))
            continue;
        ReadSlotFields(&fields);
        SetEffectRow(effect.table[slot], effect.cells, &fields);
        return true;
    }
    return false;
}
