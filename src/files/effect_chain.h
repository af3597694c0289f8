// A slot's effect chain as text for the clipboard: exactly the effect lines faders.txt holds
// for the slot, written and read by the file's own writer and reader. GUI-free.
#pragma once

enum { CHAIN_TEXT_SIZE = 4096 };   // twelve lines of the longest numbers fit many times over

// The effect lines of `slot`, in the file's order, into `text`; returns how many (the
// effects that are on). 0 leaves `text` empty.
int EffectChainText(int slot, char *text, int size);

enum ChainPaste {
    PASTE_WHOLE_CHAIN,     // the pasted effects on, every other effect of the slot off
    PASTE_ADDED_BLOCKS,    // only the pasted effects; the slot's other blocks as they were
};

// Writes the effect lines of `text`, whatever slot they name, to the effects of `slot`, as
// the reader would read them. Text without any effect line, or with a line the reader would
// not take as written, changes nothing; lines of other kinds are left out. The status line
// says what was pasted, or why nothing was. True when the chain was pasted.
bool PasteEffectChain(const char *text, int slot, ChainPaste how);
