// What the cue table and the plot show, read from the mix state: shared by both and by the keys.
#pragma once
#include "state/cue_points.h"
// An active cue point whose time is earlier than that of the active cue point above it.
bool IsOutOfOrder(int index);
// How many strips are automated at `index` (the "v" lines of its block).
int AutomatedStrips(int index);

// The strip columns follow the faders window's bank: strips 1..13 that stand for a slot there.
// The fixed columns of the table come first.
enum { COL_INDEX, COL_ACTIVE, COL_MIN, COL_SEC, COL_MSEC, COL_ORDER, COL_CUE, COL_STRIPS, FIXED_COLUMNS };
int StripColumnCount();
// The faders window strip (1..13) of strip column k (0-based), or -1.
int StripOfColumn(int k);

// "Ch 12", "Sub 2", "VCA 2", "Master": the short name of a slot's kind and number.
void SlotTitle(int slot, char *text, int size);
