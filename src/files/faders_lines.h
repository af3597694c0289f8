// The line kinds of faders.txt, one row each: the reader sends every line to its row's
// handler, the writer takes each line's key, slot form and decimals from the same row.
// The twelve effect lines take key, table and cells from the effect table.
#pragma once

#include "files/text_lines.h"
#include "state/effects.h"
#include "state/mix_state.h"

// How a line names its strip after the key.
enum SlotRule {
    SLOT_NONE,      // no strip: the values follow the key
    SLOT_EFFECT,    // "M", "G" then n, or a channel; out of range (below the master or
                    // beyond submix 8) reads as submix 8, with a message
    SLOT_STRIP,     // the same forms; a line naming no strip of the mix is ignored
    SLOT_GROUP,     // a submix or VCA number 1 to 8
    SLOT_ABOVE,     // the strip of the volume line above (ofs, rmp, shape)
};

// Which occurrence of a repeated line counts.
enum Repeat { LAST_COUNTS, FIRST_COUNTS };

// The two parts a reading can be limited to; a recall reads both in one walk.
enum LineSection { SETTINGS_LINES = 1, AUTOMATION_LINES = 2, ALL_LINES = 3 };

// Submix or VCA routing: what its list and name lines fill.
struct GroupRouting {
    int which;                  // 0 submixes, 1 VCAs
    int *on;
    int *assigned;
    int firstSlot;              // slot of group 1
    const char *numberMessage;
    const char *memberMessage;  // filled with the group number
};
extern const GroupRouting SubmixRouting, VcaRouting;

struct FaderRead;
struct FaderLine;
typedef void (*LineReader)(FaderRead *read, const FaderLine &line, FieldWalk *fields);

struct FaderLine {
    const char *key;            // null for an effect line: the effect's key
    LineReader read;
    LineSection section;
    SlotRule slot;
    Repeat repeat;
    const EffectKind *effect;   // effect and send lines: the table and cells
    float *values;              // the numbers the line sets (per slot and index for automation)
    int count;                  // how many numbers follow the key and slot
    int *flags;                 // submu, subso: set to 1 for the submix
    const GroupRouting *group;  // what a SLOT_GROUP number names: submixes or VCAs
    const char *decimals;       // written with: one digit per number, or one for all;
                                // empty for a line the writer never writes (inc)
};

// Row numbers, in the order the writer writes the lines.
enum FaderLineId {
    LINE_SUBNAME, LINE_SUB, LINE_VCANAME, LINE_VCA_LIST,
    LINE_EFFECT,                                    // + EffectId, twelve rows
    LINE_RTN = LINE_EFFECT + EFFECT_COUNT, LINE_TRTN, LINE_RLP, LINE_RHP, LINE_WIDTH, LINE_POS,
    LINE_PAN,
    LINE_CUE, LINE_TIME, LINE_INC, LINE_VOLUME, LINE_VCA_VOLUME, LINE_OFFSET, LINE_RAMP, LINE_SHAPE,
    LINE_SUBMU, LINE_SUBSO,
    FADER_LINE_COUNT
};
extern const FaderLine FaderLines[FADER_LINE_COUNT];

inline const char *LineKeyWord(const FaderLine &line)
{
    return line.key ? line.key : line.effect->key;
}
inline int ValueCount(const FaderLine &line)
{
    return line.effect ? line.effect->cells - 1 : line.count;
}
// The row whose key is `key`, or null.
const FaderLine *FindFaderLine(const Field &key);

// What one reading keeps from line to line.
struct FaderRead {
    int index;                      // current time index; -1 before the first block
    int slot;                       // strip of the last volume line; -1 after an ignored one
    float lastTime[3];              // minutes, seconds, milliseconds of the last block
    Field lists[2][GROUP_COUNT];    // member lists, decoded once the text is read
    bool held[2][GROUP_COUNT];
    bool seen[FADER_LINE_COUNT];    // rows whose first occurrence counts, once read
};

// The handlers. Effect and send lines; pans; fixed numbers; the reverb filters.
void ParamsFromBuffer(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void Params1D(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ParamGetAmt(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ParamGetTwo(FaderRead *read, const FaderLine &line, FieldWalk *fields);
// submu, subso; sub and VCA: member lists; subname and vcaname.
void ReadSubmixState(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ReadMemberList(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ReadGroupName(FaderRead *read, const FaderLine &line, FieldWalk *fields);
// Automation: cue, t, inc, v and vca, ofs / rmp / shape.
void ReadCue(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ReadTime(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ReadIncrement(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ReadVolume(FaderRead *read, const FaderLine &line, FieldWalk *fields);
void ReadSlotValue(FaderRead *read, const FaderLine &line, FieldWalk *fields);

// The strip a line names after its key, by the row's slot rule; -1 when it names none
// the line may set. Not for SLOT_NONE or SLOT_ABOVE.
int ReadLineSlot(const FaderLine &line, FieldWalk *fields);

// Reads the lines of one or both sections of a faders text into the state, in one walk
// from line 2 up to the "end" line; line 1 is the mix name (a settings line).
void ReadFaderLines(const char *text, LineSection sections);
