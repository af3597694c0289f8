// Undo and redo of the mix, by keys in every window.
#pragma once

// Undo or redo one step of the history; every window then shows the restored mix (the
// faders window at its index and bank) and the status line says what was undone or redone.
void UndoLastEdit();
void RedoLastEdit();
