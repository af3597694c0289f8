// The shown slot's effect chain through the system clipboard, as the slot's effect lines in
// faders.txt: Ctrl+C, Ctrl+V and Ctrl+Shift+V of the effects window.
#pragma once
#include "files/effect_chain.h"

// Each returns false, leaving the key to the field, while a field is being typed in (the
// open value entry of a slider, or a spinner's field holding a number not yet entered).
// Copies the chain of the shown slot to the clipboard.
bool CopyEffectChain();
// Ask the clipboard for its text, which is pasted onto the shown slot when it arrives: the
// whole chain (its other effects switched off), or only its blocks (the others kept).
bool PasteEffectChain();
bool PasteEffectBlocks();

// What the clipboard's text does when it arrives: the chain onto the shown slot, as one
// undo step.
void PasteEffectChainText(const char *text, ChainPaste how);
