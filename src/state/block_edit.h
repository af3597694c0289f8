// Edits of many strip cells at once: the selected cells of the cue table, each a cue point and
// a slot. Every volume written stays within the faders' range -144..12 dB; a value held at an
// end of it is counted, so that the message can say so. GUI-free.
#pragma once
#include "state/cell_selection.h"

enum { LOWEST_DB = -144, HIGHEST_DB = 12 };

// What the table shows: the cue point of each row and the slot of each strip column.
struct CellGrid {
    const int *row_index;
    int rows;
    const int *column_slot;
    int columns;
};

struct BlockCell {
    int row, col;      // in the table
    int index, slot;   // in the mix
};
enum { MAX_BLOCK_CELLS = SELECTION_ROWS * SELECTION_COLUMNS };

// The selected cells that the grid shows, column by column, each column top to bottom.
int ListSelectedCells(const CellSelection *s, const CellGrid *grid, BlockCell *cells);

struct BlockCounts {
    int cells;                 // cells written
    int held_low, held_high;   // of them, held at -144 or at 12
    int skipped;               // selected cells left as they were
    // A paste: the block's size, and its rows and columns that fell past the table's end.
    int block_rows, block_cols, cut_rows, cut_cols;
};

// Every cell gets `volume` with "auto" on.
BlockCounts SetVolumes(const BlockCell *cells, int count, float volume);
// Raises (lowers, for a negative `dB`) the automated cells; the others keep their values, since
// their level follows the automated cue points before them. Silence (-144) stays silent.
BlockCounts ShiftVolumes(const BlockCell *cells, int count, double dB);
// "auto" off on every cell.
BlockCounts SwitchAutoOff(const BlockCell *cells, int count);
// In each column, every cell gets the level of the column's first cell, with "auto" on.
BlockCounts FillDown(const BlockCell *cells, int count);
// In each column, from the level of its first cell to that of its last, linear in dB and by cue
// time, every cell with "auto" on. A column of one cell is left as it is.
BlockCounts Interpolate(const BlockCell *cells, int count);

// Writes one cell: a volume within the range with "auto" on, counting where it was held.
void WriteVolume(int slot, int index, double volume, BlockCounts *counts);

// The operations, for their messages.
enum BlockEdit { EDIT_SET, EDIT_SHIFT, EDIT_AUTO_OFF, EDIT_FILL, EDIT_INTERPOLATE, EDIT_CUT, EDIT_PASTE, BLOCK_EDITS };
// The status line's message ("Lowered 9 cells by 2.0 dB (1 held at -144.0)") and the undo
// step's name ("-2.0 dB on 9 cells"). `amount` is the volume set or the dB of a shift.
void DescribeBlockEdit(BlockEdit edit, double amount, const BlockCounts &counts, char *message, int message_size,
                       char *step, int step_size);

// What typed text over a selection asks for: a volume to set, or a shift ("+=2", "+2",
// "-=2"; a plain "-2" is a volume). False when it is neither.
enum TypedEdit { TYPED_NONE, TYPED_SET, TYPED_SHIFT };
TypedEdit ReadTypedEdit(const char *text, double *amount);
