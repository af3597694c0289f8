// A slot's effect chain as text for the clipboard: the effect lines faders.txt holds for the
// slot, written and read by the file's own writer and reader (files/effect_lines.h). GUI-free.
#pragma once

enum { CHAIN_TEXT_SIZE = 4096 };   // twelve lines of the longest numbers fit many times over

enum ChainPaste {
    PASTE_WHOLE_CHAIN,     // the pasted effects on, every other effect of the slot off
    PASTE_ADDED_BLOCKS,    // only the pasted effects; the slot's other blocks as they were
};

// Writes the effect lines of `text`, whatever slot they name, to the effects of `slot`.
// Text without any effect line, or with one that the reader would not take as written
// (a slot field and one number for each of the effect's values), changes nothing; lines of
// other kinds are left out. The status line says what was pasted, or why nothing was. True
// when the chain was pasted.
bool PasteEffectLines(const char *text, int slot, ChainPaste how);
