#include "files/cell_text.h"

#include <cstdio>
#include <cstring>

#include "files/text_out.h"
#include "state/cue_points.h"
#include "state/typed_number.h"

int ComposeCellText(const CellGrid *grid, CellRect r, char *text, int size)
{
    TextOut out = StartText(text, size);
    for (int row = r.top; row <= r.bottom && row < grid->rows; row++) {
        for (int col = r.left; col <= r.right && col < grid->columns; col++) {
            if (col > r.left)
                AppendBytes(&out, "\t", 1);
            const int slot = grid->column_slot[col], index = grid->row_index[row];
            if (IsAutomated(slot, index))
                AppendFloat(&out, Volume[Cell(slot, index)], 2);
        }
        AppendBytes(&out, "\n", 1);
    }
    return out.overflow ? -1 : out.length;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\r'; }

// One field, the blanks around it taken off: empty, or a number.
bool ReadField(const char *field, int length, CellKind *kind, float *volume)
{
    if (length == 0) {
        *kind = CELL_EMPTY;
        return true;
    }
    char number[64];
    double v;
    if (length >= int(sizeof number))
        return false;
    memcpy(number, field, size_t(length));
    number[length] = 0;
    if (!ReadTypedNumber(number, &v) || !FitsFloat(v))
        return false;
    *kind = CELL_VOLUME;
    *volume = float(v);
    return true;
}

} // namespace

bool ParseCellText(const char *text, int length, CellBlock *block, char *why, int why_size)
{
    block->rows = block->cols = block->cut_rows = block->cut_cols = 0;
    if (length > 0 && text[length - 1] == '\n')
        length--;   // the end of the last line
    if (length <= 0) {
        snprintf(why, size_t(why_size), "Nothing to paste: the clipboard holds no text");
        return false;
    }
    int line = 0, field = 0;
    for (int at = 0; at <= length;) {
        int end = at;
        while (end < length && text[end] != '\t' && text[end] != '\n')
            end++;
        int first = at, last = end;
        while (first < last && IsBlank(text[first]))
            first++;
        while (last > first && IsBlank(text[last - 1]))
            last--;
        CellKind kind;
        float volume = 0;
        if (!ReadField(text + first, last - first, &kind, &volume)) {
            const int shown = last - first < 24 ? last - first : 24;
            snprintf(why, size_t(why_size), "Paste refused, nothing changed: line %d, field %d (\"%.*s\") is not a number",
                     line + 1, field + 1, shown, text + first);
            return false;
        }
        if (line < SELECTION_ROWS && field < SELECTION_COLUMNS) {
            if (field == 0)
                memset(block->kind[line], CELL_MISSING, sizeof block->kind[line]);
            block->kind[line][field] = kind;
            block->volume[line][field] = volume;
            block->rows = line + 1;
            block->cols = field + 1 > block->cols ? field + 1 : block->cols;
        } else if (field >= SELECTION_COLUMNS && field + 1 - SELECTION_COLUMNS > block->cut_cols) {
            block->cut_cols = field + 1 - SELECTION_COLUMNS;
        }
        const bool line_ends = end >= length || text[end] == '\n';
        field = line_ends ? 0 : field + 1;
        line += line_ends;
        at = end + 1;
    }
    block->cut_rows = line > SELECTION_ROWS ? line - SELECTION_ROWS : 0;
    return true;
}

namespace {

void PasteCell(const CellBlock *block, int r, int c, int slot, int index, BlockCounts *counts)
{
    switch (block->kind[r][c]) {
    case CELL_VOLUME:
        WriteVolume(slot, index, block->volume[r][c], counts);
        break;
    case CELL_EMPTY:
        ChanActive[Cell(slot, index)] = 0;
        counts->cells++;
        break;
    default:
        break;
    }
}

} // namespace

BlockCounts PasteCellBlock(const CellBlock *block, const CellGrid *grid, int top, int left, const CellSelection *s)
{
    BlockCounts counts{};
    counts.block_rows = block->rows;
    counts.block_cols = block->cols;
    counts.cut_rows = block->cut_rows;
    counts.cut_cols = block->cut_cols;
    if (block->rows <= 0 || block->cols <= 0)
        return counts;
    CellRect b;
    const bool repeat = SelectionBounds(s, &b) && (b.bottom - b.top + 1 > block->rows || b.right - b.left + 1 > block->cols);
    if (repeat) {
        for (int row = b.top; row <= b.bottom && row < grid->rows; row++)
            for (int col = b.left; col <= b.right && col < grid->columns; col++)
                if (IsSelected(s, row, col))
                    PasteCell(block, (row - b.top) % block->rows, (col - b.left) % block->cols,
                              grid->column_slot[col], grid->row_index[row], &counts);
        return counts;
    }
    for (int r = 0; r < block->rows; r++)
        for (int c = 0; c < block->cols; c++)
            if (top + r < grid->rows && left + c < grid->columns)
                PasteCell(block, r, c, grid->column_slot[left + c], grid->row_index[top + r], &counts);
    // What falls past the table's end, beyond what the text itself had too much.
    if (top + block->rows > grid->rows)
        counts.cut_rows += top + block->rows - grid->rows;
    if (left + block->cols > grid->columns)
        counts.cut_cols += left + block->cols - grid->columns;
    return counts;
}
