// A selection of cells of the cue table: rows are the table's rows (cue points as shown),
// columns its strip columns. A selection is rectangles: a new one replaces the selection, or
// with Ctrl is added to it; Shift and dragging move the far corner of the newest one. The
// rectangles before the newest are kept as one bit per cell, so asking for a cell and counting
// stay cheap at 512 rows x 13 strips. GUI-free.
#pragma once
#include "state/mix_state.h"

enum { SELECTION_ROWS = INDEX_COUNT, SELECTION_COLUMNS = 16 };

struct CellRect {
    int top, left, bottom, right;   // corners included
};

struct CellSelection {
    unsigned short held[SELECTION_ROWS];   // the rectangles before the newest, a bit per column
    bool open;                             // the newest rectangle exists
    int anchor_row, anchor_col;            // its corner that stays
    int end_row, end_col;                  // its corner that Shift moves
};

void ClearSelection(CellSelection *s);
// A selection of one cell, where the next Shift or drag starts from.
void SelectCell(CellSelection *s, int row, int col);
// Ctrl: keeps what is selected and starts a new rectangle at the cell.
void AddCell(CellSelection *s, int row, int col);
// Shift, a drag: the newest rectangle reaches from its anchor to the cell.
void ExtendSelection(CellSelection *s, int row, int col);
// A whole rectangle (rows, a column, everything), added to the selection or replacing it.
void SelectRect(CellSelection *s, CellRect r, bool add);

bool IsSelected(const CellSelection *s, int row, int col);
// The selected columns of a row, a bit per column.
unsigned RowSelection(const CellSelection *s, int row);
// How many cells are selected, and in how many rows.
int SelectedCells(const CellSelection *s);
int SelectedRows(const CellSelection *s);
// The smallest rectangle around the selection; false when nothing is selected.
bool SelectionBounds(const CellSelection *s, CellRect *bounds);
// Whether the selection is exactly one rectangle.
bool IsOneRect(const CellSelection *s);
