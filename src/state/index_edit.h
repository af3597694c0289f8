// Whole-index edits of the automation: insert an empty index, remove one, copy one onto the next.
// They move the five per-slot tables (Volume, Offset, Ramp, Shape, ChanActive) and the four
// per-index tables (IndexActiveArray, IndexMin, IndexSec, IndexMsec). Cue names, pans, solos and
// mutes are left where they are: cue names belong to index numbers, the rest to slots.
// GUI-free; an index outside 0..511 changes nothing.
#pragma once

// Moves indices index..510 up by one (index 511 drops off) and puts an empty index at `index`.
void InsertIndexAt(int index);
// Moves indices index+1..511 down by one; the last index becomes an empty index.
void RemoveIndexAt(int index);
// Copies index onto index + 1. Returns false (and changes nothing) at the last two indices,
// 510 and 511 (shown as 511 and 512).
bool PropagateIndexAt(int index);
