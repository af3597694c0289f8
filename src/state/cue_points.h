// The cue points as the cue window and the keyboard travel see them, read from the mix state.
// GUI-free.
#pragma once
#include "state/mix_state.h"

// A cue point takes part in the mix (and is written to faders.txt) when its flag is exactly 1,
// and a strip is automated there when its "auto" cell is exactly 1: the writer's own tests.
inline bool IsActiveCue(int index) { return IndexActiveArray[index] == 1; }
inline bool IsAutomated(int slot, int index) { return ChanActive[Cell(slot, index)] == 1; }

// The time of a cue point in seconds: minutes * 60 + seconds + milliseconds / 1000.
inline double CueSeconds(int index)
{
    return IndexMin[index] * 60.0 + IndexSec[index] + IndexMsec[index] / 1000.0;
}

// The nearest active cue point after / before `index`, or -1.
int NextActiveCue(int index);
int PreviousActiveCue(int index);
