#include "state/block_edit.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "state/cue_points.h"
#include "state/level_in_force.h"
#include "state/typed_number.h"

int ListSelectedCells(const CellSelection *s, const CellGrid *grid, BlockCell *cells)
{
    int count = 0;
    const int columns = grid->columns < SELECTION_COLUMNS ? grid->columns : SELECTION_COLUMNS;
    const int rows = grid->rows < SELECTION_ROWS ? grid->rows : SELECTION_ROWS;
    for (int col = 0; col < columns; col++)
        for (int row = 0; row < rows; row++)
            if (IsSelected(s, row, col))
                cells[count++] = {row, col, grid->row_index[row], grid->column_slot[col]};
    return count;
}

void WriteVolume(int slot, int index, double volume, BlockCounts *counts)
{
    if (volume <= LOWEST_DB) {
        counts->held_low += volume < LOWEST_DB;
        volume = LOWEST_DB;
    } else if (volume >= HIGHEST_DB) {
        counts->held_high += volume > HIGHEST_DB;
        volume = HIGHEST_DB;
    }
    Volume[Cell(slot, index)] = float(volume);
    ChanActive[Cell(slot, index)] = 1;
    counts->cells++;
}

BlockCounts SetVolumes(const BlockCell *cells, int count, float volume)
{
    BlockCounts counts{};
    for (int k = 0; k < count; k++)
        WriteVolume(cells[k].slot, cells[k].index, volume, &counts);
    return counts;
}

BlockCounts ShiftVolumes(const BlockCell *cells, int count, double dB)
{
    BlockCounts counts{};
    for (int k = 0; k < count; k++) {
        const int slot = cells[k].slot, index = cells[k].index;
        if (!IsAutomated(slot, index)) {
            counts.skipped++;
            continue;
        }
        const float was = Volume[Cell(slot, index)];
        if (was <= LOWEST_DB) {   // silence is not a level to move from
            counts.cells++;
            counts.held_low++;
            continue;
        }
        WriteVolume(slot, index, was + dB, &counts);
    }
    return counts;
}

BlockCounts SwitchAutoOff(const BlockCell *cells, int count)
{
    BlockCounts counts{};
    for (int k = 0; k < count; k++) {
        ChanActive[Cell(cells[k].slot, cells[k].index)] = 0;
        counts.cells++;
    }
    return counts;
}

namespace {

// Calls `column(first, n)` for each run of cells of one column.
template <typename Column> void EachColumn(const BlockCell *cells, int count, Column column)
{
    for (int k = 0; k < count;) {
        int n = 1;
        while (k + n < count && cells[k + n].col == cells[k].col)
            n++;
        column(cells + k, n);
        k += n;
    }
}

} // namespace

BlockCounts FillDown(const BlockCell *cells, int count)
{
    BlockCounts counts{};
    EachColumn(cells, count, [&](const BlockCell *c, int n) {
        const float level = StartingLevel(c[0].slot, c[0].index);
        for (int k = 0; k < n; k++)
            WriteVolume(c[k].slot, c[k].index, level, &counts);
    });
    return counts;
}

BlockCounts Interpolate(const BlockCell *cells, int count)
{
    BlockCounts counts{};
    EachColumn(cells, count, [&](const BlockCell *c, int n) {
        if (n < 2) {
            counts.skipped += n;
            return;
        }
        const int slot = c[0].slot;
        const double from = StartingLevel(slot, c[0].index), to = StartingLevel(slot, c[n - 1].index);
        const double t0 = CueSeconds(c[0].index), span = CueSeconds(c[n - 1].index) - t0;
        // Cue points at one time, or times that are not numbers, are spaced by their rows.
        const bool by_time = std::isfinite(span) && span != 0;
        for (int k = 0; k < n; k++) {
            double u = by_time ? (CueSeconds(c[k].index) - t0) / span : double(k) / (n - 1);
            u = std::isfinite(u) ? std::fmin(1.0, std::fmax(0.0, u)) : double(k) / (n - 1);
            WriteVolume(slot, c[k].index, k == n - 1 ? to : from + (to - from) * u, &counts);
        }
    });
    return counts;
}

// ---- messages ----

namespace {

// A dB amount with one decimal, or two where it has them: "2.0", "0.25".
void Amount(double dB, char *out, int size)
{
    snprintf(out, size_t(size), "%.2f", std::fabs(dB));
    const size_t n = strlen(out);
    if (n >= 4 && out[n - 1] == '0')
        out[n - 1] = 0;
}

const char *Plural(int n) { return n == 1 ? "" : "s"; }

// " (1 held at -144.0, 3 without auto left as they are)", or nothing.
void Remarks(BlockEdit edit, const BlockCounts &c, char *out, int size)
{
    char parts[4][96];
    int n = 0;
    if (c.held_low)
        snprintf(parts[n++], sizeof parts[0], "%d held at %.1f", c.held_low, double(LOWEST_DB));
    if (c.held_high)
        snprintf(parts[n++], sizeof parts[0], "%d held at %.1f", c.held_high, double(HIGHEST_DB));
    if (c.skipped && edit == EDIT_SHIFT)
        snprintf(parts[n++], sizeof parts[0], "%d without auto left as %s", c.skipped,
                 c.skipped == 1 ? "it is" : "they are");
    if (c.skipped && edit == EDIT_INTERPOLATE)
        snprintf(parts[n++], sizeof parts[0], "%d alone in %s column left as %s", c.skipped,
                 c.skipped == 1 ? "its" : "their", c.skipped == 1 ? "it is" : "they are");
    if (c.cut_rows)
        snprintf(parts[n++], sizeof parts[0], "%d row%s past the last row cut off", c.cut_rows, Plural(c.cut_rows));
    if (c.cut_cols)
        snprintf(parts[n++], sizeof parts[0], "%d column%s past the last strip cut off", c.cut_cols,
                 Plural(c.cut_cols));
    out[0] = 0;
    for (int k = 0, used = 0; k < n && used < size; k++)
        used += snprintf(out + used, size_t(size - used), "%s%s%s", k ? ", " : " (", parts[k], k == n - 1 ? ")" : "");
}

} // namespace

void DescribeBlockEdit(BlockEdit edit, double amount, const BlockCounts &c, char *message, int message_size,
                       char *step, int step_size)
{
    char dB[32], remarks[200];
    Amount(amount, dB, sizeof dB);
    Remarks(edit, c, remarks, sizeof remarks);
    const int n = c.cells;
    const char *s = Plural(n);
    const char *sign = amount < 0 ? "-" : "+";
    switch (edit) {
    case EDIT_SET:
        snprintf(message, size_t(message_size), "Set %d cell%s to %s%s dB%s", n, s, amount < 0 ? "-" : "", dB, remarks);
        snprintf(step, size_t(step_size), "set %s%s dB on %d cell%s", amount < 0 ? "-" : "", dB, n, s);
        break;
    case EDIT_SHIFT:
        snprintf(message, size_t(message_size), "%s %d cell%s by %s dB%s", amount < 0 ? "Lowered" : "Raised", n, s, dB,
                 remarks);
        snprintf(step, size_t(step_size), "%s%s dB on %d cell%s", sign, dB, n, s);
        break;
    case EDIT_AUTO_OFF:
        snprintf(message, size_t(message_size), "Switched auto off on %d cell%s", n, s);
        snprintf(step, size_t(step_size), "auto off on %d cell%s", n, s);
        break;
    case EDIT_FILL:
        snprintf(message, size_t(message_size), "Filled %d cell%s down from the first selected row%s", n, s, remarks);
        snprintf(step, size_t(step_size), "fill down on %d cell%s", n, s);
        break;
    case EDIT_INTERPOLATE:
        snprintf(message, size_t(message_size), "Interpolated %d cell%s by cue time%s", n, s, remarks);
        snprintf(step, size_t(step_size), "interpolate on %d cell%s", n, s);
        break;
    case EDIT_CUT:
        snprintf(message, size_t(message_size), "Cut %d cell%s to the clipboard: auto off", n, s);
        snprintf(step, size_t(step_size), "cut %d cell%s", n, s);
        break;
    case EDIT_PASTE:
        snprintf(message, size_t(message_size), "Pasted %d x %d cells onto %d cell%s%s", c.block_rows, c.block_cols, n,
                 s, remarks);
        snprintf(step, size_t(step_size), "paste on %d cell%s", n, s);
        break;
    default:
        message[0] = step[0] = 0;
    }
}

TypedEdit ReadTypedEdit(const char *text, double *amount)
{
    while (*text == ' ')
        text++;
    double v;
    const bool shift = (text[0] == '+' || text[0] == '-') && text[1] == '=';
    if (shift || text[0] == '+') {
        const char *number = text + (shift ? 2 : 1);
        if (!ReadTypedNumber(number, &v) || (!shift && (*number == '+' || *number == '-')))
            return TYPED_NONE;
        *amount = text[0] == '-' ? -v : v;
        return TYPED_SHIFT;
    }
    if (!ReadTypedNumber(text, &v) || v < LOWEST_DB || v > HIGHEST_DB)
        return TYPED_NONE;
    *amount = v;
    return TYPED_SET;
}
