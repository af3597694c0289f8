#include "app/undo.h"

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

} // namespace

void UndoLastEdit() { MoveInHistory(JournalUndo, "Undo", "Nothing to undo"); }
void RedoLastEdit() { MoveInHistory(JournalRedo, "Redo", "Nothing to redo"); }
