#include "cues/cue_frame.h"

#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/callback.h"
#include "state/position.h"

namespace {

int frame_column = FIXED_COLUMNS;   // the first strip until the user moves it

int LastColumn() { return FIXED_COLUMNS + StripColumnCount() - 1; }

} // namespace

bool IsEditableColumn(int col)
{
    switch (col) {
    case COL_ACTIVE:
    case COL_MIN:
    case COL_SEC:
    case COL_MSEC:
    case COL_CUE:
        return true;
    default:
        return col >= FIXED_COLUMNS && col <= LastColumn();
    }
}

int FrameColumn()
{
    SetFrameColumn(frame_column);   // the bank may have fewer strips now
    return frame_column;
}

void SetFrameColumn(int col)
{
    col = col > LastColumn() ? LastColumn() : col;
    while (col > COL_ACTIVE && !IsEditableColumn(col))
        col--;
    frame_column = col < COL_ACTIVE ? COL_ACTIVE : col;
}

int StepFrameColumn(int col, int step)
{
    const int direction = step < 0 ? -1 : 1;
    for (int left = step * direction, at = col + direction; left > 0 && at >= 0 && at <= LastColumn();
         at += direction)
        if (IsEditableColumn(at)) {
            col = at;
            left--;
        }
    return col;
}

int FrameRow() { return CueRowOf(CurrentIndex()); }

bool StepFrameRow(int step)
{
    const int row = FrameRow() + step;
    if (FrameRow() < 0 || row < 0 || row >= CueRowCount())
        return false;
    SetCurrentIndex(CueRowIndex(row));
    EndOperation(CueTable);
    return true;
}
