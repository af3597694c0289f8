// The operations on whole cue points in the cue window: insert, insert a copy, remove, sort by
// time. Each is one undo step named after what it did, reports in the status line, and leaves
// the frame (and the faders window's current index) on the same cue point, or on the new one.
// They are the items of a menu that a right click opens; the key table gives the items their
// keys, which the menu shows. Each ends, as every menu item does, at the end point.
#include <FL/Fl.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Table.H>

#include <cstdio>

#include "cues/cue_block.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/callback.h"
#include "state/cue_list.h"
#include "state/position.h"
#include "state/status_message.h"
#include "state/undo_journal.h"

Fl_Menu_Button *CueMenu;

namespace {

enum { STEP_NAME_SIZE = 64 };

// Names the undo step ("insert cue point 16"), then frames cue point `index` (and column `col`,
// unless -1) with the keyboard on the table, so that typing edits it at once.
void Done(const char *step, int index, int col)
{
    JournalNameNextStep(step);
    if (col >= 0)
        SetFrameColumn(col);
    SetCurrentIndex(index);
    CueTable->take_focus();
}

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
        return;   // nothing changed; the message says why
    }
    char step[STEP_NAME_SIZE];
    if (copy) {
        snprintf(step, sizeof step, "copy cue point %d to %d", index + 1, added + 1);
        SetStatus("Inserted cue point %d, a copy of cue point %d", added + 1, index + 1);
    } else {
        snprintf(step, sizeof step, "insert cue point %d", added + 1);
        SetStatus("Inserted cue point %d", added + 1);
    }
    Done(step, added, COL_CUE);
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

Fl_Menu_Item CueMenuItems[] = {
    {"Insert cue point", 0, Callback<InsertCuePoint>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {"Insert a copy of this cue point", 0, Callback<InsertCuePointCopy>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {"Remove cue point", 0, Callback<RemoveCuePoint>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
    {"Sort active cue points by time", 0, Callback<SortCuePoints>, 0, 0, FL_NORMAL_LABEL, 0, 13, 0},
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
        return;   // nothing changed; the message says why
    }
    char step[STEP_NAME_SIZE];
    if (count == 1) {
        snprintf(step, sizeof step, "remove cue point %d", index + 1);
        SetStatus("Removed cue point %d", index + 1);
    } else {
        snprintf(step, sizeof step, "remove %d cue points", count);
        SetStatus("Removed %d cue points", count);
    }
    Done(step, LandingAfterRemoval(index, moved), -1);
}

void SortCuePoints()
{
    CloseCueEntry();
    const int index = CurrentIndex();
    int moved[INDEX_COUNT];
    if (!SortCuePointsByTime(moved)) {
        SetStatus("The active cue points are in time order already: nothing changed");
        return;   // nothing changed; the message says why
    }
    int count = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        count += moved[i] != i;
    SetStatus("Put the active cue points in time order: %d moved", count);
    Done("sort cue points by time", moved[index], -1);
}

// The menu button has no size: it only pops up over the table and takes its items' keys.
Fl_Menu_Button *MakeCueMenu()
{
    CueMenu = new Fl_Menu_Button(0, 0, 0, 0);
    CueMenu->type(Fl_Menu_Button::POPUP3);
    CueMenu->box(FL_NO_BOX);
    CueMenu->textsize(13);
    CueMenu->menu(CueMenuItems);
    return CueMenu;
}

void PopUpCueMenu()
{
    CueMenu->popup();
}
