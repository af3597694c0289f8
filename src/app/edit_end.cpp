#include "app/edit_end.h"
#include "app/control.h"
#include "app/views.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Menu_Item.H>

#include "faders/faders.h"
#include "state/undo_journal.h"

namespace {

// Every window shows again the tables the last operation changed. A refresh only copies
// the state into widgets; it never runs a callback. A widget that shows the value it just
// stored is given the same value back, which leaves it as it is.
void RefreshChangedTables()
{
    bool changed[VIEW_COUNT] = {};
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        if (JournalRecordChanged(JournalTables[t].address))
            changed[JournalTables[t].view] = true;
    ShowViews(changed);
}

enum { MAX_FOLLOWERS = 8 };
void (*followers[MAX_FOLLOWERS])();
int follower_count;

// How the step of an operation is named and whether it joins the previous one. A menu item
// or a plain button is an operation of its own, named by its label. A toggle is one click.
// A widget that runs its callback at every change (a spinner's held arrow, a slider dragged,
// a field that stores at each keystroke) makes one step of its run of changes; the step is
// named by the table it changed.
void NameStep(Fl_Widget *source, const void *&run, const char *&operation)
{
    run = nullptr;
    operation = nullptr;
    if (!source)
        return;
    if (const Fl_Menu_ *menu = dynamic_cast<const Fl_Menu_ *>(source)) {
        operation = menu->mvalue() ? menu->mvalue()->label() : nullptr;
    } else if (const Fl_Button *button = dynamic_cast<const Fl_Button *>(source)) {
        if (button->type() == FL_NORMAL_BUTTON)
            operation = button->label();
    } else if (source->when() & FL_WHEN_CHANGED) {
        run = source;
    }
}

} // namespace

void FollowEdits(void (*refresh)())
{
    if (follower_count < MAX_FOLLOWERS)
        followers[follower_count++] = refresh;
}

namespace {

void RefreshFollowers()
{
    for (int i = 0; i < follower_count; ++i)
        followers[i]();
}

void EndStep(const void *run, const char *operation)
{
    if (JournalRecord(run, operation))
        RefreshChangedTables();
    ShowPosition();
    RefreshFollowers();
}

} // namespace

void EditEnded(Fl_Widget *source)
{
    const void *run;
    const char *operation;
    NameStep(source, run, operation);
    EndStep(run, operation);
}


void HistoryMoved()
{
    UpdateGUI();
    RefreshFollowers();
}
