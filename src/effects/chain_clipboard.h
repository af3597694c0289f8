// Ctrl+C, Ctrl+V and Ctrl+Shift+V of the effects window: the shown slot's effect chain
// through the system clipboard, as the slot's effect lines in faders.txt.
#pragma once
#include "files/effect_chain.h"
class Fl_Window;

// Ctrl+C: the chain of the shown slot to the clipboard.
void CopyEffectChain();
// What Ctrl+V (PASTE_WHOLE_CHAIN) and Ctrl+Shift+V (PASTE_ADDED_BLOCKS) do with the
// clipboard's text once it arrives: the chain onto the shown slot, as one undo step.
void PasteEffectChainText(const char *text, ChainPaste how);
// Takes the three keys in the effects window, except in a field being typed in, which keeps
// them for its own text. True when taken.
bool EffectChainKeys(int event, const Fl_Window *window);
