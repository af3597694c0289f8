// Strip cells as tab-separated text, the clipboard's form: one line per cue point, one field
// per strip, the volume as faders.txt writes it where "auto" is on and an empty field where it
// is off. Spreadsheets copy and paste the same form. No FLTK.
#pragma once
#include "state/block_edit.h"

// Cells read from such a text.
enum CellKind : unsigned char { CELL_MISSING, CELL_EMPTY, CELL_VOLUME };
struct CellBlock {
    int rows, cols;             // the block as read (at most SELECTION_ROWS x SELECTION_COLUMNS)
    int cut_rows, cut_cols;     // lines and fields beyond that, left out
    CellKind kind[SELECTION_ROWS][SELECTION_COLUMNS];   // a short line leaves its end CELL_MISSING
    float volume[SELECTION_ROWS][SELECTION_COLUMNS];
};

// Writes the rectangle `r` of the grid; returns the text's length, or -1 when it does not fit.
int ComposeCellText(const CellGrid *grid, CellRect r, char *text, int size);

// Reads a text of `length` bytes. A field is a number (as typed: "," may be the decimal point)
// or empty; anything else refuses the whole text, and `why` says where. CR LF and LF both end
// a line; the end of the last line may be left out.
bool ParseCellText(const char *text, int length, CellBlock *block, char *why, int why_size);

// Writes the block into the mix: with its top left cell at (top, left) of the grid, or, when the
// selection reaches further than the block in either direction, repeated over the selected cells
// from the selection's top left cell. An empty field switches "auto" off, a missing one leaves
// the cell as it is; what falls past the grid's last row or column is counted as cut.
BlockCounts PasteCellBlock(const CellBlock *block, const CellGrid *grid, int top, int left, const CellSelection *s);
