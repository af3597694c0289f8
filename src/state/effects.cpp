#include "state/effects.h"

const EffectKind Effects[EFFECT_COUNT] = {
    {"hp", Php, 2, {100, 0, 0, 0}},
    {"comp", Pcomp, 5, {0, 10, 100, 1.5f}},
    {"rms", Prms, 5, {0, 10, 100, 1.5f}},
    {"nlc", Pnlc, 4, {0, 300, 2, 0}},
    {"lim", Plim, 2, {0, 0, 0, 0}},
    {"band1", Pband1, 4, {500, 0, 1, 0}},
    {"band2", Pband2, 4, {2500, 0, 1, 0}},
    {"hshelf", Phshelf, 4, {8000, 0, 1, 0}},
    {"lshelf", Plshelf, 4, {500, 0, 1, 0}},
    {"rev", Prev, 2, {0, 0, 0, 0}},
    {"trev", Ptrev, 2, {0, 0, 0, 0}},
    {"fxg", Pfxg, 2, {0, 0, 0, 0}},
};

const EffectId MasterEffectOrder[EFFECT_COUNT] = {
    FX_HP, FX_COMP, FX_RMS, FX_NLC, FX_LIM, FX_BAND1, FX_BAND2,
    FX_HSHELF, FX_LSHELF, FX_FXG, FX_REV, FX_TREV,
};
