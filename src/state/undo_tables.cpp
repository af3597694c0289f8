// The tables of the mix that the undo journal keeps, written once: the compare, the restore
// and the descriptions of the steps all walk this list.
#include "state/undo_journal.h"

#include "state/mix_state.h"

#define TABLE(name, table, shape) {name, &(table), sizeof(table), shape}

const JournalTable JournalTables[] = {
    TABLE("volume", Volume, PER_SLOT_AND_INDEX),
    TABLE("offset", Offset, PER_SLOT_AND_INDEX),
    TABLE("ramp", Ramp, PER_SLOT_AND_INDEX),
    TABLE("shape", Shape, PER_SLOT_AND_INDEX),
    TABLE("auto", ChanActive, PER_SLOT_AND_INDEX),
    TABLE("time", IndexMin, PER_INDEX),
    TABLE("time", IndexSec, PER_INDEX),
    TABLE("time", IndexMsec, PER_INDEX),
    TABLE("active", IndexActiveArray, PER_INDEX),
    TABLE("cue name", CueNameBuffer, PER_INDEX),
    TABLE("name", NameBuffer, PER_SLOT),
    TABLE("mute", MuteArray, PER_SLOT),
    TABLE("solo", SoloArray, PER_SLOT),
    TABLE("pan", Pan, PER_SLOT),
    TABLE("submix assignment", SubAsn, ROUTING),
    TABLE("VCA assignment", VcaAsn, ROUTING),
    TABLE("submix assignment", SubOn, SCALAR),
    TABLE("VCA assignment", VcaOn, SCALAR),
    TABLE("Peak Comp", Pcomp, EFFECT_ROWS),
    TABLE("RMS Comp", Prms, EFFECT_ROWS),
    TABLE("Non Lin Comp", Pnlc, EFFECT_ROWS),
    TABLE("Limiter", Plim, EFFECT_ROWS),
    TABLE("EQ: Low Shelf", Plshelf, EFFECT_ROWS),
    TABLE("EQ: Band 1", Pband1, EFFECT_ROWS),
    TABLE("EQ: Band 2", Pband2, EFFECT_ROWS),
    TABLE("EQ: High Shelf", Phshelf, EFFECT_ROWS),
    TABLE("EQ: High Pass", Php, EFFECT_ROWS),
    TABLE("Effects Gain", Pfxg, EFFECT_ROWS),
    TABLE("Reverb", Prev, EFFECT_ROWS),
    TABLE("Tap Reverb", Ptrev, EFFECT_ROWS),
    TABLE("reverb return", Prtn, SCALAR),
    TABLE("tap reverb return", Ptrtn, SCALAR),
    TABLE("reverb low pass", Prlp, SCALAR),
    TABLE("reverb high pass", Prhp, SCALAR),
    TABLE("reverb width", Prev_width, SCALAR),
    TABLE("reverb position", Prev_position, SCALAR),
    TABLE("preview", PreviewArray, SCALAR),
    TABLE("crossfade in", XinArray, SCALAR),
    TABLE("crossfade out", XoutArray, SCALAR),
    TABLE("head and tail", HeadTailArray, SCALAR),
    TABLE("pan law", PanlawStore, SCALAR),
    TABLE("word length", OutbitsStore, SCALAR),
    TABLE("dither", DitherBits, SCALAR),
    TABLE("mono output", monoOn, SCALAR),
    TABLE("preview mode", PreviewOn, SCALAR),
    TABLE("colour", color, SCALAR),
    TABLE("mix name", MixName, TEXT),
    TABLE("path to tolvex", Path, TEXT),
    TABLE("wavefile directory", WavDirName, TEXT),
    TABLE("mix directory", MixDirName, TEXT),
    TABLE("launch command", LaunchCommand, TEXT),
    TABLE("play mode", PlayMode, TEXT),
    TABLE("device", DeviceName, TEXT),
};

#undef TABLE

const int JOURNAL_TABLE_COUNT = sizeof JournalTables / sizeof JournalTables[0];

size_t JournaledStateSize()
{
    size_t total = 0;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        total += JournalTables[t].size;
    return total;
}
