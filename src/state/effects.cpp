#include "state/effects.h"

const EffectKind Effects[EFFECT_COUNT] = {
    {"hp", Php, 2, {100, 0, 0, 0}, "EQ: High Pass"},
    {"comp", Pcomp, 5, {0, 10, 100, 1.5f}, "Peak Comp"},
    {"rms", Prms, 5, {0, 10, 100, 1.5f}, "RMS Comp"},
    {"nlc", Pnlc, 4, {0, 300, 2, 0}, "Non Lin Comp"},
    {"lim", Plim, 2, {0, 0, 0, 0}, "Limiter"},
    {"band1", Pband1, 4, {500, 0, 1, 0}, "EQ: Band 1"},
    {"band2", Pband2, 4, {2500, 0, 1, 0}, "EQ: Band 2"},
    {"hshelf", Phshelf, 4, {8000, 0, 1, 0}, "EQ: High Shelf"},
    {"lshelf", Plshelf, 4, {500, 0, 1, 0}, "EQ: Low Shelf"},
    {"rev", Prev, 2, {0, 0, 0, 0}, "Reverb"},
    {"trev", Ptrev, 2, {0, 0, 0, 0}, "Tap Reverb"},
    {"fxg", Pfxg, 2, {0, 0, 0, 0}, "Effects Gain"},
};

const EffectId MasterEffectOrder[EFFECT_COUNT] = {
    FX_HP, FX_COMP, FX_RMS, FX_NLC, FX_LIM, FX_BAND1, FX_BAND2,
    FX_HSHELF, FX_LSHELF, FX_FXG, FX_REV, FX_TREV,
};
