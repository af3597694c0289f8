#include "state/cell_selection.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsCell(int row, int col) { return row >= 0 && row < SELECTION_ROWS && col >= 0 && col < SELECTION_COLUMNS; }

CellRect Newest(const CellSelection *s)
{
    return {std::min(s->anchor_row, s->end_row), std::min(s->anchor_col, s->end_col),
            std::max(s->anchor_row, s->end_row), std::max(s->anchor_col, s->end_col)};
}

unsigned ColumnBits(int left, int right) { return ((1u << (right + 1)) - 1) & ~((1u << left) - 1); }

// The newest rectangle joins the held cells.
void Hold(CellSelection *s)
{
    if (!s->open)
        return;
    const CellRect r = Newest(s);
    for (int row = r.top; row <= r.bottom; row++)
        s->held[row] = (unsigned short)(s->held[row] | ColumnBits(r.left, r.right));
    s->open = false;
}

int BitCount(unsigned bits) { return __builtin_popcount(bits); }

} // namespace

void ClearSelection(CellSelection *s)
{
    memset(s->held, 0, sizeof s->held);
    s->open = false;
}

void AddCell(CellSelection *s, int row, int col)
{
    if (!IsCell(row, col))
        return;
    Hold(s);
    s->anchor_row = s->end_row = row;
    s->anchor_col = s->end_col = col;
    s->open = true;
}

void SelectCell(CellSelection *s, int row, int col)
{
    ClearSelection(s);
    AddCell(s, row, col);
}

void ExtendSelection(CellSelection *s, int row, int col)
{
    if (!IsCell(row, col))
        return;
    if (!s->open) {
        AddCell(s, row, col);
        return;
    }
    s->end_row = row;
    s->end_col = col;
}

void SelectRect(CellSelection *s, CellRect r, bool add)
{
    if (!IsCell(r.top, r.left) || !IsCell(r.bottom, r.right))
        return;
    add ? AddCell(s, r.top, r.left) : SelectCell(s, r.top, r.left);
    ExtendSelection(s, r.bottom, r.right);
}

unsigned RowSelection(const CellSelection *s, int row)
{
    if (row < 0 || row >= SELECTION_ROWS)
        return 0;
    unsigned bits = s->held[row];
    if (s->open) {
        const CellRect r = Newest(s);
        if (row >= r.top && row <= r.bottom)
            bits |= ColumnBits(r.left, r.right);
    }
    return bits;
}

bool IsSelected(const CellSelection *s, int row, int col)
{
    return IsCell(row, col) && (RowSelection(s, row) >> col & 1);
}

int SelectedCells(const CellSelection *s)
{
    int count = 0;
    for (int row = 0; row < SELECTION_ROWS; row++)
        count += BitCount(RowSelection(s, row));
    return count;
}

int SelectedRows(const CellSelection *s)
{
    int count = 0;
    for (int row = 0; row < SELECTION_ROWS; row++)
        count += RowSelection(s, row) != 0;
    return count;
}

bool SelectionBounds(const CellSelection *s, CellRect *bounds)
{
    unsigned columns = 0;
    int top = -1, bottom = -1;
    for (int row = 0; row < SELECTION_ROWS; row++)
        if (const unsigned bits = RowSelection(s, row)) {
            columns |= bits;
            top = top < 0 ? row : top;
            bottom = row;
        }
    if (top < 0)
        return false;
    *bounds = {top, __builtin_ctz(columns), bottom, 31 - __builtin_clz(columns)};
    return true;
}

bool IsOneRect(const CellSelection *s)
{
    CellRect b;
    if (!SelectionBounds(s, &b))
        return false;
    return SelectedCells(s) == (b.bottom - b.top + 1) * (b.right - b.left + 1);
}
