// The line kinds of faders.txt, in the order the writer writes them.
#include "files/faders_lines.h"

#include <cstring>

const GroupRouting SubmixRouting = {
    0, SubOn, SubAsn, SubmixSlot(1),
    "Submix number out of range!", "Channel assigned to sub %i is out of range!\n"};
const GroupRouting VcaRouting = {
    1, VcaOn, VcaAsn, VcaSlot(1),
    "VCA number out of range!", "Channel assigned to VCA %i is out of range!\n"};

// Settings and automation rows; the effect rows differ only in their effect and slot rule.
#define SETTING(key, read, slot, repeat, values, count, decimals) \
    {key, read, SETTINGS_LINES, slot, repeat, nullptr, values, count, nullptr, nullptr, decimals}
#define GROUP_LINE(key, read, group) \
    {key, read, SETTINGS_LINES, SLOT_GROUP, LAST_COUNTS, nullptr, nullptr, 0, nullptr, group, ""}
#define SWITCH_LINE(key, flags) \
    {key, ReadSubmixState, SETTINGS_LINES, SLOT_GROUP, LAST_COUNTS, nullptr, nullptr, 0, flags, \
     &SubmixRouting, ""}
#define EFFECT_LINE(id, slot) \
    {nullptr, ParamsFromBuffer, SETTINGS_LINES, slot, LAST_COUNTS, &Effects[id], nullptr, 0, \
     nullptr, nullptr, "1"}
#define AUTOMATION(key, read, slot, values, count, decimals) \
    {key, read, AUTOMATION_LINES, slot, LAST_COUNTS, nullptr, values, count, nullptr, nullptr, \
     decimals}

const FaderLine FaderLines[FADER_LINE_COUNT] = {
    GROUP_LINE("subname", ReadGroupName, &SubmixRouting),
    GROUP_LINE("sub", ReadMemberList, &SubmixRouting),
    GROUP_LINE("vcaname", ReadGroupName, &VcaRouting),
    GROUP_LINE("VCA:", ReadMemberList, &VcaRouting),
    EFFECT_LINE(FX_HP, SLOT_EFFECT),
    EFFECT_LINE(FX_COMP, SLOT_EFFECT),
    EFFECT_LINE(FX_RMS, SLOT_EFFECT),
    EFFECT_LINE(FX_NLC, SLOT_EFFECT),
    EFFECT_LINE(FX_LIM, SLOT_EFFECT),
    EFFECT_LINE(FX_BAND1, SLOT_EFFECT),
    EFFECT_LINE(FX_BAND2, SLOT_EFFECT),
    EFFECT_LINE(FX_HSHELF, SLOT_EFFECT),
    EFFECT_LINE(FX_LSHELF, SLOT_EFFECT),
    // The sends are read for any strip, VCAs included.
    EFFECT_LINE(FX_REV, SLOT_STRIP),
    EFFECT_LINE(FX_TREV, SLOT_STRIP),
    EFFECT_LINE(FX_FXG, SLOT_EFFECT),
    SETTING("rtn", ParamGetAmt, SLOT_NONE, LAST_COUNTS, Prtn, 2, "1"),
    SETTING("trtn", ParamGetAmt, SLOT_NONE, LAST_COUNTS, Ptrtn, 3, "1"),
    // The filters: cell 0 the on flag, cell 1 the frequency.
    SETTING("rlp", ParamGetTwo, SLOT_NONE, FIRST_COUNTS, Prlp, 1, "0"),
    SETTING("rhp", ParamGetTwo, SLOT_NONE, FIRST_COUNTS, Prhp, 1, "0"),
    SETTING("width", ParamGetAmt, SLOT_NONE, LAST_COUNTS, &Prev_width, 1, "0"),
    SETTING("pos", ParamGetAmt, SLOT_NONE, LAST_COUNTS, Prev_position, 3, "0"),
    SETTING("p", Params1D, SLOT_STRIP, LAST_COUNTS, Pan, 1, "0"),
    // A cue line names the block that the next t or inc line opens.
    AUTOMATION("cue", ReadCue, SLOT_NONE, nullptr, 0, ""),
    AUTOMATION("t", ReadTime, SLOT_NONE, nullptr, 3, "030"),
    AUTOMATION("inc", ReadIncrement, SLOT_NONE, nullptr, 1, ""),
    AUTOMATION("v", ReadVolume, SLOT_STRIP, Volume, 1, "2"),
    {"vca", ReadVolume, AUTOMATION_LINES, SLOT_GROUP, LAST_COUNTS, nullptr, Volume, 1, nullptr,
     &VcaRouting, "2"},
    AUTOMATION("ofs", ReadSlotValue, SLOT_ABOVE, Offset, 1, "3"),
    AUTOMATION("rmp", ReadSlotValue, SLOT_ABOVE, Ramp, 1, "3"),
    AUTOMATION("shape", ReadSlotValue, SLOT_ABOVE, Shape, 1, "3"),
    SWITCH_LINE("submu", MuteArray),
    SWITCH_LINE("subso", SoloArray),
};

#undef SETTING
#undef GROUP_LINE
#undef SWITCH_LINE
#undef EFFECT_LINE
#undef AUTOMATION

// The rows by a hash of their key, found with one or two comparisons: a recall looks up
// every line. Open addressing; the constants spread today's keys with two clashes.
namespace {
enum { KEY_SLOTS = 64 };
struct IndexedKey {
    const char *word;
    int length;
    const FaderLine *line;   // null for a free slot
};

unsigned KeySlot(const char *word, int length)
{
    return ((unsigned char)word[0] * 2u + (unsigned char)word[length - 1] + length * 22u) %
           KEY_SLOTS;
}

struct KeyIndex {
    IndexedKey slots[KEY_SLOTS];
};

KeyIndex BuildKeyIndex()
{
    static_assert((int)FADER_LINE_COUNT < (int)KEY_SLOTS, "room for every row");
    KeyIndex index = {};
    for (const FaderLine &line : FaderLines) {
        const char *word = LineKeyWord(line);
        int length = (int)strlen(word);
        unsigned slot = KeySlot(word, length);
        while (index.slots[slot].line)
            slot = (slot + 1) % KEY_SLOTS;
        index.slots[slot] = IndexedKey{word, length, &line};
    }
    return index;
}
} // namespace

const FaderLine *FindFaderLine(const Field &key)
{
    static const KeyIndex index = BuildKeyIndex();
    if (key.length == 0)
        return nullptr;
    for (unsigned slot = KeySlot(key.text, key.length); index.slots[slot].line;
         slot = (slot + 1) % KEY_SLOTS) {
        const IndexedKey &entry = index.slots[slot];
        if (entry.length == key.length && KeyIs(key, entry.word))
            return entry.line;
    }
    return nullptr;
}
