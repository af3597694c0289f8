// Undo and redo of the mix, by keys in every window.
#pragma once
class Fl_Widget;

// Undo or redo one step of the history; every window then shows the restored mix (the
// faders window at its index and bank) and the status line says what was undone or redone.
void UndoLastEdit();
void RedoLastEdit();

// Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo. A text or number field that holds typing
// not yet stored keeps Ctrl+Z for that typing. True when the key was taken.
bool TakeUndoKey(int event);

// Whether `focus` is a text or number field holding typing not yet stored: such a field keeps
// the editing keys (Ctrl+Z, the clipboard keys) for its typing.
bool HoldsTyping(Fl_Widget *focus);
