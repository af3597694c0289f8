// Differential check of the faders.txt reader while it is rebuilt: the reader as it was
// (a frozen copy below, with its own line walk and number conversion) and the current
// one read the same text into the same state, and the whole mix must come out equal.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

#include "files/faders_lines.h"
#include "files/text_lines.h"
#include "files/text_out.h"
#include "fuzz_support.h"
#include "state/effects.h"
#include "state/mix_state.h"
#include "state/undo_journal.h"

namespace old {

// ---- line and field walk, numbers ----

struct Field { const char *text; int length; };
struct TextLine { const char *text; int length; int number; };
struct LineWalk { const char *next; int number; };
struct FieldWalk { const char *pos; const char *end; };

bool NextLine(LineWalk *walk, TextLine *line)
{
    const char *start = walk->next;
    if (!start || !*start)
        return false;
    const char *end = start + strcspn(start, "\r\n");
    line->text = start;
    line->length = (int)(end - start);
    line->number = ++walk->number;
    if (end[0] == '\r' && end[1] == '\n')
        end++;
    walk->next = *end ? end + 1 : end;
    return true;
}

bool KeyIs(const Field &key, const char *word)
{
    int i = 0;
    for (; i < key.length; i++)
        if (key.text[i] != word[i])
            return false;
    return word[i] == 0;
}

Field NextField(FieldWalk *walk)
{
    const char *p = walk->pos;
    while (p < walk->end && *p == '\t')
        p++;
    const char *start = p;
    while (p < walk->end && *p != '\t')
        p++;
    Field field{start, (int)(p - start)};
    walk->pos = p < walk->end ? p + 1 : p;
    return field;
}

Field RestOfLine(FieldWalk *walk)
{
    const char *start = walk->pos;
    walk->pos = walk->end;
    return Field{start, (int)(walk->end - start)};
}

Field LineKey(const TextLine &line)
{
    FieldWalk walk{line.text, line.text + line.length};
    return NextField(&walk);
}

enum { NUMBER_TEXT = 128 };

void NumberText(const Field &field, char *text)
{
    int length = field.length < NUMBER_TEXT - 1 ? field.length : NUMBER_TEXT - 1;
    memcpy(text, field.text, length);
    text[length] = 0;
}

float FieldToFloat(const Field &field)
{
    char text[NUMBER_TEXT];
    NumberText(field, text);
    double value = strtod_l(text, nullptr, CNumberLocale());
    if (value != value)
        return (float)value;
    if (value > 3.4e38)
        return __builtin_huge_valf();
    if (value < -3.4e38)
        return -__builtin_huge_valf();
    return (float)value;
}

int FieldToInt(const Field &field)
{
    enum { LIMIT = 1000000000 };
    char text[NUMBER_TEXT];
    NumberText(field, text);
    long value = strtol(text, nullptr, 10);
    if (value > LIMIT)
        return LIMIT;
    if (value < -LIMIT)
        return -LIMIT;
    return (int)value;
}

void FieldToText(const Field &field, char *dest, int size)
{
    CopyOneLine(dest, size, field.text, field.length);
}

template <typename Handler>
void ForEachBodyLine(const char *text, Handler handle)
{
    LineWalk walk{text, 0};
    TextLine line;
    while (NextLine(&walk, &line)) {
        if (line.number == 1)
            continue;
        FieldWalk fields{line.text, line.text + line.length};
        Field key = NextField(&fields);
        if (KeyIs(key, "end"))
            return;
        handle(key, &fields);
    }
}

template <typename Handler>
void ForEachKeyLine(const char *text, const char *key, Handler handle)
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

float LastValue(FieldWalk *fields) { return FieldToFloat(RestOfLine(fields)); }

// ---- settings passes ----

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
        float *row = table + slot * rowLength;
        row[0] = 1.0f;
        for (int cell = 1; cell < cellCount - 1; cell++)
            row[cell] = FieldToFloat(NextField(fields));
        row[cellCount - 1] = LastValue(fields);
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
    int firstSlot;
    const char *numberMessage;
    const char *memberMessage;
};

const GroupRouting SubmixRouting = {
    "sub", "subname", SubOn, SubAsn, SubmixSlot(1),
    "Submix number out of range!", "Channel assigned to sub %i is out of range!\n"};
const GroupRouting VcaRouting = {
    "VCA:", "vcaname", VcaOn, VcaAsn, VcaSlot(1),
    "VCA number out of range!", "Channel assigned to VCA %i is out of range!\n"};

void DecodeMembers(const GroupRouting &kind, const char *list, int length, int group)
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

void ParseGroups(char *text, const GroupRouting &kind)
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

bool HasAnyField(const char *text)
{
    return text[strspn(text, "\t\r\n")] != 0;
}

void ReadMixName(const char *text)
{
    LineWalk walk{text, 0};
    TextLine line;
    if (!NextLine(&walk, &line))
        return;
    if (line.length <= 3)
        return;
    FieldToText(Field{line.text, line.length}, MixName, NAME_SIZE);
}

bool IsAutomationKey(const Field &key)
{
    static const char *const keys[] = {"cue", "t", "inc", "v", "vca", "ofs", "rmp", "shape"};
    for (const char *k : keys)
        if (KeyIs(key, k))
            return true;
    return false;
}

char *SettingsLines(const char *text)
{
    static char settings[FADER_TEXT_SIZE];
    TextOut out = StartText(settings, sizeof settings);
    LineWalk walk{text, 0};
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
    static const struct { const char *key; float (*table)[EFFECT_CELLS]; int cells; } effects[] = {
        {"hp", Php, 2}, {"comp", Pcomp, 5}, {"rms", Prms, 5}, {"nlc", Pnlc, 4},
        {"lim", Plim, 2}, {"band1", Pband1, 4}, {"band2", Pband2, 4}, {"hshelf", Phshelf, 4},
        {"lshelf", Plshelf, 4}, {"fxg", Pfxg, 2}};
    if (!HasAnyField(text))
        return;
    ReadMixName(text);
    text = SettingsLines(text);
    for (const auto &effect : effects)
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
    ParseGroups(text, SubmixRouting);
    ParseGroups(text, VcaRouting);
}

// ---- automation pass ----

struct AutomationRead {
    int index;
    int slot;
    float lastMin, lastSec, lastMsec;
};

void OpenBlock(AutomationRead *read, float min, float sec, float msec)
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

void SetVolume(AutomationRead *read, int slot, float volume)
{
    read->slot = IsSlot(slot) ? slot : -1;
    if (read->slot < 0 || !IsIndex(read->index))
        return;
    ChanActive[Cell(slot, read->index)] = 1;
    Volume[Cell(slot, read->index)] = volume;
}

void ReadSlotValue(AutomationRead *read, FieldWalk *fields, float *table)
{
    float value = FieldToFloat(RestOfLine(fields));
    if (read->slot >= 0 && IsIndex(read->index))
        table[Cell(read->slot, read->index)] = value;
}

void ReadVolumes(char *text)
{
    AutomationRead read = {-1, ChannelSlot(1), 0, 0, 0};
    ForEachBodyLine(text, [&](const Field &key, FieldWalk *fields) {
        if (KeyIs(key, "cue")) {
            int next = read.index + 1;
            if (IsIndex(next))
                FieldToText(RestOfLine(fields), CueNameBuffer[next], CUE_SIZE);
        } else if (KeyIs(key, "t")) {
            float min = FieldToFloat(NextField(fields));
            float sec = FieldToFloat(NextField(fields));
            OpenBlock(&read, min, sec, FieldToFloat(RestOfLine(fields)));
        } else if (KeyIs(key, "inc")) {
            float step = FieldToFloat(RestOfLine(fields));
            OpenBlock(&read, read.lastMin, read.lastSec + step, read.lastMsec);
        } else if (KeyIs(key, "v")) {
            int slot = ReadSlotFields(fields);
            SetVolume(&read, slot, FieldToFloat(RestOfLine(fields)));
        } else if (KeyIs(key, "vca")) {
            int n = FieldToInt(NextField(fields));
            float volume = FieldToFloat(RestOfLine(fields));
            SetVolume(&read, IsGroupNumber(n) ? VcaSlot(n) : -1, volume);
        } else if (KeyIs(key, "ofs")) {
            ReadSlotValue(&read, fields, Offset);
        } else if (KeyIs(key, "rmp")) {
            ReadSlotValue(&read, fields, Ramp);
        } else if (KeyIs(key, "shape")) {
            ReadSlotValue(&read, fields, Shape);
        }
    });
}

} // namespace old

namespace {

// A mix that is not the start-up one, so that what the reader clears, keeps and merges shows.
void BusyState()
{
    for (const EffectKind &effect : Effects)
        for (int slot = 0; slot < SLOT_COUNT; slot++)
            effect.table[slot][0] = 1.0f;
    Prhp[0] = Prlp[0] = 1.0f;
    for (int slot = 0; slot < SLOT_COUNT; slot++)
        Pan[slot] = (float)slot;
    for (int group = 0; group < GROUP_COUNT; group++)
        SubOn[group] = VcaOn[group] = 1;
    for (int index = 0; index < INDEX_COUNT; index += 3)
        IndexActiveArray[index] = 1;
}

void Snapshot(std::vector<char> *out)
{
    out->clear();
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++) {
        const char *bytes = static_cast<const char *>(JournalTables[t].address);
        out->insert(out->end(), bytes, bytes + JournalTables[t].size);
    }
}

void Prepare(const uint8_t *data, size_t size)
{
    ResetState();
    if (size > 0 && (data[0] & 1))
        BusyState();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    SilenceStandardOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::vector<char> before, after;
    char *text = TerminatedCopy(data, size, FADER_TEXT_SIZE);
    Prepare(data, size);
    old::ParseBufferMulti(text);
    old::ReadVolumes(text);
    Snapshot(&before);
    Prepare(data, size);
    ReadFaderLines(text, ALL_LINES);
    Snapshot(&after);
    free(text);
    if (before != after)
        __builtin_trap();
    return 0;
}
