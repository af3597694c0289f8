#include "state/index_edit.h"

#include <cstring>

#include "state/mix_state.h"

namespace {

// The empty index: what a new index holds in every slot.
const float NEW_VOLUME = 0.0f, NEW_OFFSET = 0.0f, NEW_RAMP = 0.0f, NEW_SHAPE = 1.0f;
const int NEW_AUTO = 0;

// Moves row[from .. from+count-1] to row[to ..]; the ranges may overlap.
template <typename T>
void MoveCells(T *row, int to, int from, int count)
{
    if (count > 0)
        memmove(row + to, row + from, count * sizeof(T));
}

template <typename T>
void MovePerSlot(T *table, int to, int from, int count)
{
    for (int s = 0; s < SLOT_COUNT; s++)
        MoveCells(table + Cell(s, 0), to, from, count);
}

// The same move in all nine tables.
void MoveIndices(int to, int from, int count)
{
    MovePerSlot(Volume, to, from, count);
    MovePerSlot(Offset, to, from, count);
    MovePerSlot(Ramp, to, from, count);
    MovePerSlot(Shape, to, from, count);
    MovePerSlot(ChanActive, to, from, count);
    MoveCells(IndexActiveArray, to, from, count);
    MoveCells(IndexMin, to, from, count);
    MoveCells(IndexSec, to, from, count);
    MoveCells(IndexMsec, to, from, count);
}

void ClearIndex(int index)
{
    for (int s = 0; s < SLOT_COUNT; s++) {
        Volume[Cell(s, index)] = NEW_VOLUME;
        Offset[Cell(s, index)] = NEW_OFFSET;
        Ramp[Cell(s, index)] = NEW_RAMP;
        Shape[Cell(s, index)] = NEW_SHAPE;
        ChanActive[Cell(s, index)] = NEW_AUTO;
    }
    IndexActiveArray[index] = 0;
    IndexMin[index] = IndexSec[index] = IndexMsec[index] = 0.0f;
}

} // namespace

void InsertIndexAt(int index)
{
    if (!IsIndex(index))
        return;
    const int last = INDEX_COUNT - 1;
    MoveIndices(index + 1, index, last - index);
    ClearIndex(index);
}

// The last index keeps its value, so it stands twice at the end: the index count is fixed.
void RemoveIndexAt(int index)
{
    if (!IsIndex(index))
        return;
    const int last = INDEX_COUNT - 1;
    MoveIndices(index, index + 1, last - index);
}

// The last index is never a propagation target: indices 511 and 512 (shown numbers) copy nothing.
bool PropagateIndexAt(int index)
{
    if (index < 0 || index > INDEX_COUNT - 3)
        return false;
    MoveIndices(index + 1, index, 1);
    return true;
}
