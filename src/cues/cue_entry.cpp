// Editing the cells of the cue table: the entry opened over the framed cell, the rule of each
// editable column for showing and storing a typed value, and the switches ("Active" on Space,
// "auto" off on Delete). A stored edit clears the status line and ends at the end point, so it is
// one undo step; a refused value leaves the stored one on show and says why in the status line.
#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Table.H>

#include <cstdio>

#include "cues/cue_block.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "files/text_out.h"
#include "state/callback.h"
#include "state/level_in_force.h"
#include "state/position.h"
#include "state/status_message.h"
#include "state/typed_number.h"

Fl_Input *CueEntry;

namespace {

// What the entry edits: the cue point and the column, and for a strip column its slot (the
// column of a slot moves when the bank changes).
int entry_index = -1, entry_col = -1, entry_slot = -1;

float *TimeTable(int col)
{
    switch (col) {
    case COL_MIN: return IndexMin;
    case COL_SEC: return IndexSec;
    case COL_MSEC: return IndexMsec;
    default: return nullptr;
    }
}

// The stored value as the entry starts with it.
void StoredText(int index, int col, int slot, char *text, int size)
{
    if (slot >= 0) {
        TextOut out = StartText(text, size);   // a dim cell starts from the level it carries
        AppendFloat(&out, StartingLevel(slot, index), 2);
    } else if (TimeTable(col)) {
        snprintf(text, size_t(size), "%g", TimeTable(col)[index]);
    } else {
        snprintf(text, size_t(size), "%s", CueNameBuffer[index]);
    }
}

// Stores a typed value, or says why not: a time field any number a float holds, as the faders
// window's fields take it, a cue name cut to its cell on one line. (A strip's volume goes to the
// edits of the selection.)
bool StoreTyped(int index, int col, const char *text)
{
    double v;
    if (float *table = TimeTable(col)) {
        if (!ReadTypedNumber(text, &v) || !FitsFloat(v)) {
            SetStatus("Not stored: a time field takes a number");
            return false;
        }
        table[index] = float(v);
    } else {
        CopyOneLine(CueNameBuffer[index], CUE_SIZE, text);
    }
    return true;
}

// The refresh at the end of the edit shows the changed cells in the faders window at once.
void EndTableEdit()
{
    ClearStatus();
    EndOperation(CueTable);
}

void ForgetEntry() { entry_index = entry_col = entry_slot = -1; }

// Puts the entry over the cell it edits; false when that cell is not in the table.
bool MoveEntryOverCell()
{
    const int row = CueRowOf(entry_index), col = entry_slot >= 0 ? CueColumnOf(entry_slot) : entry_col;
    if (row < 0 || col < 0)
        return false;
    int x, y, w, h;
    static_cast<CueGrid *>(CueTable)->CellBox(row, col, x, y, w, h);
    if (x != CueEntry->x() || y != CueEntry->y() || w != CueEntry->w())
        CueEntry->resize(x, y, w, h);
    return true;
}

} // namespace

bool CueEntryOpen() { return CueEntry->visible(); }

void OpenCueEntry(int col, const char *typed)
{
    const int index = CurrentIndex(), row = CueRowOf(index);
    if (!IsEditableColumn(col) || row < 0)
        return;
    SetFrameColumn(col);
    if (col == COL_ACTIVE) {
        SwitchCueActive();
        return;
    }
    entry_index = index;
    entry_col = col;
    entry_slot = CueColumnSlot(col);
    char text[CUE_SIZE + 32];
    StoredText(index, col, entry_slot, text, sizeof text);
    // A strip's entry takes "+=2" and "-=2" too.
    CueEntry->type(col == COL_CUE || entry_slot >= 0 ? FL_NORMAL_INPUT : FL_FLOAT_INPUT);
    CueEntry->maximum_size(col == COL_CUE ? CUE_SIZE - 1 : 32);
    MoveEntryOverCell();
    CueEntry->value(typed ? typed : text);
    CueEntry->show();
    CueEntry->take_focus();
    CueEntry->position(typed ? CueEntry->size() : 0, CueEntry->size());
    CueTable->redraw();
}

bool StoreCueEntry()
{
    if (!CueEntry->visible())
        return false;
    // A strip's volume, or a change of it, over the selection or the framed cell. Refused over
    // a selection, the typing stays in the entry to be mended.
    if (entry_slot >= 0) {
        const bool stored = TypeOverCueSelection(CueEntry->value());
        if (stored || !CueSelectionShown()) {
            CloseCueEntry();
            EndOperation(CueTable);
        }
        return stored;
    }
    const bool stored = StoreTyped(entry_index, entry_col, CueEntry->value());
    CloseCueEntry();
    if (stored)
        EndTableEdit();
    else
        EndOperation(CueTable);
    return stored;
}

void CloseCueEntry()
{
    if (!CueEntry->visible())
        return;
    // Left by a click elsewhere, the focus stays where the click put it.
    const bool focused = Fl::focus() == CueEntry;
    CueEntry->hide();
    ForgetEntry();
    if (focused)
        CueTable->take_focus();
    CueTable->redraw();
}

// Keeps the open entry over its cell while the table scrolls, or closes it when the cell is
// gone (its row no longer shown, its strip not in the bank).
void PlaceCueEntry()
{
    if (CueEntry && CueEntry->visible() && !MoveEntryOverCell())
        CloseCueEntry();
}

void ClearCueAuto(int col)
{
    const int slot = CueColumnSlot(col), index = CurrentIndex();
    if (slot < 0 || CueRowOf(index) < 0)
        return;
    SetFrameColumn(col);
    ChanActive[Cell(slot, index)] = 0;
    EndTableEdit();
}

void SwitchCueActive()
{
    const int index = CurrentIndex();
    if (CueRowOf(index) < 0)
        return;
    SetFrameColumn(COL_ACTIVE);
    IndexActiveArray[index] = !IsActiveCue(index);
    EndTableEdit();
}

// The entry's callback: Return stores and moves the frame one row down; leaving the entry any
// other way stores nothing.
void CueEntryDone(Fl_Widget *, void *)
{
    const bool enter = Fl::event() == FL_KEYBOARD &&
                       (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter);
    if (!enter) {
        CloseCueEntry();
        return;
    }
    if (StoreCueEntry())
        StepFrameRow(1);
}

// Tab in the entry: stores and moves the frame right (Shift+Tab: left).
void TabFromCueEntry(bool back)
{
    if (StoreCueEntry())
        SetFrameColumn(StepFrameColumn(FrameColumn(), back ? -1 : 1));
    CueTable->redraw();
}
