// The operations on whole cue points in the cue window: insert, insert a copy, remove, sort by
// time. Each is one undo step named after what it did, reports in the status line, and leaves
// the frame (and the faders window's current index) on the same cue point, or on the new one.
// They are offered by keys and by the menu of a right click, which shows the keys.
#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Table.H>

#include <cstdio>

#include "app/edit_end.h"
#include "cues/cue_block.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "faders/faders.h"
#include "state/cue_list.h"
#include "state/status_message.h"

namespace {

enum { STEP_NAME_SIZE = 64 };

// Ends the operation as one undo step named `step`, then frames cue point `index` (and column
// `col`, unless -1) with the keyboard on the table, so that typing edits it at once.
void EndOperation(const char *step, int index, int col)
{
    EditEndedAs(step);
    if (col >= 0)
        SetFrameColumn(col);
    GoToCuePoint(index);
    CueTable->take_focus();
    RefreshFollowers();
}

// A refused or empty operation changes nothing; its message stays on show.
void EndRefused() { EditEnded(CueTable); }

void InsertAfterFrame(bool copy)
{
    CloseCueEntry();
    const int index = CurrentIndex(), last = INDEX_COUNT - 1;
    const int added = InsertCuePointAfter(index, copy);
    if (added < 0) {
        if (index == last && !IsActiveCue(last))
            SetStatus("No cue point can follow cue point %d", INDEX_COUNT);
        else
            SetStatus("Cue point %d is in use: remove a cue point before inserting one", INDEX_COUNT);
        EndRefused();
        return;
    }
    char step[STEP_NAME_SIZE];
    if (copy) {
        snprintf(step, sizeof step, "copy cue point %d to %d", index + 1, added + 1);
        SetStatus("Inserted cue point %d, a copy of cue point %d", added + 1, index + 1);
    } else {
        snprintf(step, sizeof step, "insert cue point %d", added + 1);
        SetStatus("Inserted cue point %d", added + 1);
    }
    EndOperation(step, added, COL_CUE);
}

bool Shown(int index) { return IsActiveCue(index) || ShowAllCues->value(); }

// After a removal: the cue point that now stands where the framed one stood, or the nearest
// shown one before it.
int LandingAfterRemoval(int index, const int (&moved)[INDEX_COUNT])
{
    for (int i = index; i < INDEX_COUNT; i++)
        if (moved[i] >= 0 && Shown(moved[i]))
            return moved[i];
    for (int i = index - 1; i >= 0; i--)
        if (moved[i] >= 0 && Shown(moved[i]))
            return moved[i];
    return 0;
}

// The rows that Ctrl+Delete removes: the framed one.
void MarkRowsToRemove(bool (&removed)[INDEX_COUNT])
{
    if (MarkSelectedRows(removed) == 0 && FrameRow() >= 0)
        removed[CurrentIndex()] = true;
}

template <void (*Operation)()>
void FromMenu(Fl_Widget *, void *)
{
    Operation();
}

// The right click's menu; its keys are the keys of the cue window (CueListKey).
Fl_Menu_Item CueMenu[] = {
    {"Insert cue point", FL_Insert, FromMenu<InsertCuePoint>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {"Insert a copy of this cue point", FL_CTRL + FL_Insert, FromMenu<InsertCuePointCopy>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {"Remove cue point", FL_CTRL + FL_Delete, FromMenu<RemoveCuePoint>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {"Sort active cue points by time", FL_CTRL + 't', FromMenu<SortCuePoints>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};

} // namespace

void InsertCuePoint() { InsertAfterFrame(false); }
void InsertCuePointCopy() { InsertAfterFrame(true); }

void RemoveCuePoint()
{
    CloseCueEntry();
    const int index = CurrentIndex();
    bool removed[INDEX_COUNT] = {};
    MarkRowsToRemove(removed);
    int moved[INDEX_COUNT];
    const int count = RemoveCuePoints(removed, moved);
    if (count == 0) {
        SetStatus("Cue point %d is not shown: nothing removed", index + 1);
        EndRefused();
        return;
    }
    char step[STEP_NAME_SIZE];
    if (count == 1) {
        snprintf(step, sizeof step, "remove cue point %d", index + 1);
        SetStatus("Removed cue point %d", index + 1);
    } else {
        snprintf(step, sizeof step, "remove %d cue points", count);
        SetStatus("Removed %d cue points", count);
    }
    EndOperation(step, LandingAfterRemoval(index, moved), -1);
}

void SortCuePoints()
{
    CloseCueEntry();
    const int index = CurrentIndex();
    int moved[INDEX_COUNT];
    if (!SortCuePointsByTime(moved)) {
        SetStatus("The active cue points are in time order already: nothing changed");
        EndRefused();
        return;
    }
    int count = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        count += moved[i] != i;
    SetStatus("Put the active cue points in time order: %d moved", count);
    EndOperation("sort cue points by time", moved[index], -1);
}

void PopUpCueMenu()
{
    const Fl_Menu_Item *chosen = CueMenu->popup(Fl::event_x(), Fl::event_y());
    if (chosen)
        chosen->do_callback(CueTable);
}

// Insert, Ctrl+Insert, Ctrl+Delete and Ctrl+T in the cue window. The open entry keeps the keys
// that a text field has (Ctrl+Insert copies its text there).
bool CueListKey()
{
    if (CueEntryOpen())
        return false;
    for (const Fl_Menu_Item *item = CueMenu; item->label(); item++)
        if (Fl::test_shortcut(item->shortcut())) {
            item->do_callback(CueTable);
            return true;
        }
    return false;
}
