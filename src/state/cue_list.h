// Whole cue points, as the cue list edits them. A cue point is everything one index holds:
// its time, its "Active" flag, its cue name, and the volume, offset, ramp, shape and "auto" of
// all 144 slots. Here they travel together, name included (the faders window's index edits
// leave the names on their index numbers). Pans, solos and mutes belong to slots and stay.
// Each operation can report where every old index went (`moved_to`, -1 for a removed one), so
// that a window keeps its place on the same cue point. GUI-free.
#pragma once
#include "state/mix_state.h"

// Inserts a cue point after `index`: active, unnamed, with no strip automated and every value
// at its default, or with `copy` a copy of the strips of `index` (also unnamed). Its time lies
// halfway between `index` and the next active cue point in time, or 5 seconds after `index`
// when none is later. Every later cue point moves one index up; the last index, which must not
// hold an active cue point, drops off. Returns the new index, or -1 (nothing changed) when there
// is no room: `index` is the last one, or the last index holds an active cue point.
int InsertCuePointAfter(int index, bool copy, int moved_to[INDEX_COUNT] = nullptr);

// Removes the cue points marked in `removed`; the later ones move down, and the indices freed
// at the end are empty: inactive, no name, time 0, defaults in every slot. Returns how many
// were removed.
int RemoveCuePoints(const bool removed[INDEX_COUNT], int moved_to[INDEX_COUNT] = nullptr);

// Puts the active cue points in time order (a stable sort: equal times keep their order). They
// are shuffled among the indices active cue points hold already, so every inactive cue point
// keeps its index. Returns false, changing nothing, when they are in order already.
bool SortCuePointsByTime(int moved_to[INDEX_COUNT] = nullptr);
