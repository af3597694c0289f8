#include "app/undo.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>

#include "app/edit_end.h"
#include "state/status_message.h"
#include "state/undo_journal.h"

namespace {

void MoveInHistory(bool (*move)(char *, int), const char *done, const char *at_end)
{
    char what[STATUS_SIZE];
    if (!move(what, sizeof what)) {
        SetStatus("%s", at_end);
        return;
    }
    SetStatus("%s: %s", done, what);
    HistoryMoved();
}

// Typing the field shows but has not stored yet: its callback clears the mark when it stores.
bool HoldsTyping(Fl_Widget *focus)
{
    const Fl_Input_ *field = dynamic_cast<const Fl_Input_ *>(focus);
    return field && field->changed() && !field->readonly();
}

} // namespace

void UndoLastEdit() { MoveInHistory(JournalUndo, "Undo", "Nothing to undo"); }
void RedoLastEdit() { MoveInHistory(JournalRedo, "Redo", "Nothing to redo"); }

bool UndoUnlessTyping()
{
    if (HoldsTyping(Fl::focus()))
        return false;
    UndoLastEdit();
    return true;
}
