// The twelve effect blocks of every channel, submix and the master, described once:
// the file key, the table, the cells used and the start-up defaults. The writer,
// the reader and the effects window all walk this table.
#pragma once
#include "state/mix_state.h"

enum EffectId {
    FX_HP, FX_COMP, FX_RMS, FX_NLC, FX_LIM, FX_BAND1, FX_BAND2,
    FX_HSHELF, FX_LSHELF, FX_REV, FX_TREV, FX_FXG, EFFECT_COUNT
};

struct EffectKind {
    const char *key;                  // first word of its line in faders.txt
    float (*table)[EFFECT_CELLS];     // one row per slot
    int cells;                        // cells in use, the on flag (cell 0) included
    float defaults[4];                // cells 1 to 4 at start-up
};

// In the order of a channel's or submix's lines in faders.txt.
extern const EffectKind Effects[EFFECT_COUNT];
// The master writes effects gain before the two sends.
extern const EffectId MasterEffectOrder[EFFECT_COUNT];

// The slots with an effect chain: the master, the channels and the submixes.
inline bool HasEffectChain(int slot) { return slot >= MasterSlot() && slot <= SubmixSlot(GROUP_COUNT); }

// "On" means cell 0 equals exactly 1.0.
inline bool EffectOn(const float *row) { return row[0] == 1.0f; }
