// The level a strip plays at, as opposed to the values stored at its automated cue points.
// Only active cue points take part in the mix, so only they set a level. At a cue point where a
// strip is not automated (an inactive one included) the mix holds the level of the strip's last
// automated active cue point before it in time; between two of those the level holds, then at
// the later one it moves to its volume over its ramp (seconds; 0 is a jump), bent by its shape
// (the ramp's fraction u of the way goes u^shape of the change, so 1 is straight). GUI-free.
#pragma once
#include "state/mix_state.h"

// Orders cue points by time, equal times by index. A time that is not a number comes last.
bool CueBefore(int a, int b);

// The active cue points in time order; returns how many there are.
int ActiveCuesInTime(int order[INDEX_COUNT]);

// The level in force for `slot` at cue point `index`: its own volume where the strip is
// automated there, else that of its last automated active cue point before it in time.
// False (and `level` untouched) when there is none.
bool LevelInForce(int slot, int index, float *level);

// The same for every cue point of one slot at once, from the order of ActiveCuesInTime:
// `has[i]` says whether cue point i has a level, `level[i]` holds it.
void LevelsInForce(int slot, const int *order, int count, float level[INDEX_COUNT], bool has[INDEX_COUNT]);

// The level a cell starts from when it is edited: the level in force, or its stored volume
// where no automated cue point comes before it.
float StartingLevel(int slot, int index);

struct CurvePoint {
    double seconds, dB;
};
enum { CURVE_STEPS = 24 };   // straight pieces of a bent ramp
// The strip's level over time as the mix plays it, from its first automated active cue point:
// holds, ramps and jumps as vertices of a line, then held up to `end` seconds. Returns the
// number of points written (at most `capacity`).
int PlayedCurve(int slot, const int *order, int count, double end, CurvePoint *out, int capacity);
// Where the last ramp of the slot ends, in seconds (the time of its last automated active cue
// point plus its ramp), so that a plot can take it in; false when the slot has no such point.
bool PlayedCurveEnd(int slot, const int *order, int count, double *end);
