// The tables of the mix that the undo journal keeps, written once: the compare, the restore,
// the descriptions of the steps and the refreshes of the windows all walk this list.
#include "state/undo_journal.h"

#include <algorithm>

#include "state/effects.h"
#include "state/mix_state.h"

#define TABLE(name, table, shape, view) {name, &(table), sizeof(table), shape, view}
#define EFFECT(table) {nullptr, &(table), sizeof(table), EFFECT_ROWS, EFFECTS_VIEW}

const JournalTable JournalTables[] = {
    TABLE("volume", Volume, PER_SLOT_AND_INDEX, VOLUME_VIEW),
    TABLE("offset", Offset, PER_SLOT_AND_INDEX, OFFSET_VIEW),
    TABLE("ramp", Ramp, PER_SLOT_AND_INDEX, RAMP_VIEW),
    TABLE("shape", Shape, PER_SLOT_AND_INDEX, SHAPE_VIEW),
    TABLE("auto", ChanActive, PER_SLOT_AND_INDEX, AUTO_VIEW),
    TABLE("time", IndexMin, PER_INDEX, TIME_VIEW),
    TABLE("time", IndexSec, PER_INDEX, TIME_VIEW),
    TABLE("time", IndexMsec, PER_INDEX, TIME_VIEW),
    TABLE("active", IndexActiveArray, PER_INDEX, INDEX_ACTIVE_VIEW),
    TABLE("cue name", CueNameBuffer, PER_INDEX, CUE_NAME_VIEW),
    TABLE("name", NameBuffer, PER_SLOT, NAME_VIEW),
    TABLE("mute", MuteArray, PER_SLOT, MUTE_VIEW),
    TABLE("solo", SoloArray, PER_SLOT, SOLO_VIEW),
    TABLE("pan", Pan, PER_SLOT, PAN_VIEW),
    TABLE("submix assignment", SubAsn, ROUTING, SUBMIX_VIEW),
    TABLE("VCA assignment", VcaAsn, ROUTING, VCA_VIEW),
    TABLE("submix assignment", SubOn, SCALAR, SUBMIX_VIEW),
    TABLE("VCA assignment", VcaOn, SCALAR, VCA_VIEW),
    EFFECT(Pcomp),
    EFFECT(Prms),
    EFFECT(Pnlc),
    EFFECT(Plim),
    EFFECT(Plshelf),
    EFFECT(Pband1),
    EFFECT(Pband2),
    EFFECT(Phshelf),
    EFFECT(Php),
    EFFECT(Pfxg),
    EFFECT(Prev),
    EFFECT(Ptrev),
    TABLE("reverb return", Prtn, SCALAR, EFFECTS_VIEW),
    TABLE("tap reverb return", Ptrtn, SCALAR, EFFECTS_VIEW),
    TABLE("reverb low pass", Prlp, SCALAR, EFFECTS_VIEW),
    TABLE("reverb high pass", Prhp, SCALAR, EFFECTS_VIEW),
    TABLE("reverb width", Prev_width, SCALAR, EFFECTS_VIEW),
    TABLE("reverb position", Prev_position, SCALAR, EFFECTS_VIEW),
    TABLE("preview", PreviewArray, SCALAR, PREFERENCES_VIEW),
    TABLE("crossfade in", XinArray, SCALAR, PREFERENCES_VIEW),
    TABLE("crossfade out", XoutArray, SCALAR, PREFERENCES_VIEW),
    TABLE("head and tail", HeadTailArray, SCALAR, PREFERENCES_VIEW),
    TABLE("pan law", PanlawStore, SCALAR, PREFERENCES_VIEW),
    TABLE("word length", OutbitsStore, SCALAR, PREFERENCES_VIEW),
    TABLE("dither", DitherBits, SCALAR, PREFERENCES_VIEW),
    TABLE("mono output", monoOn, SCALAR, PREFERENCES_VIEW),
    TABLE("preview mode", PreviewOn, SCALAR, PREFERENCES_VIEW),
    TABLE("colour", color, SCALAR, PREFERENCES_VIEW),
    TABLE("mix name", MixName, TEXT, MIX_NAME_VIEW),
    TABLE("path to tolvex", Path, TEXT, PREFERENCES_VIEW),
    TABLE("wavefile directory", WavDirName, TEXT, PREFERENCES_VIEW),
    TABLE("mix directory", MixDirName, TEXT, PREFERENCES_VIEW),
    TABLE("launch command", LaunchCommand, TEXT, PREFERENCES_VIEW),
    TABLE("play mode", PlayMode, TEXT, NO_VIEW),
    TABLE("device", DeviceName, TEXT, NO_VIEW),
};

#undef TABLE
#undef EFFECT

const int JOURNAL_TABLE_COUNT = sizeof JournalTables / sizeof JournalTables[0];

size_t JournaledStateSize()
{
    size_t total = 0;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        total += JournalTables[t].size;
    return total;
}

const char *JournalTableName(const JournalTable &table)
{
    if (table.name)
        return table.name;
    const EffectKind *end = Effects + EFFECT_COUNT;
    const EffectKind *kind = std::find_if(Effects, end, [&table](const EffectKind &k) { return k.table == table.address; });
    return kind != end ? kind->label : "";
}
