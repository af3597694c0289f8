// Fingerprints of what the cue window shows, so that after an edit only the rows and the plot
// whose content changed are drawn again. A fingerprint is a hash of the cells read from the mix
// state, not a copy of them.
#include <cstdint>
#include <cstring>

#include "cues/cue_block.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/position.h"

namespace {

struct Print {
    uint64_t hash = 1469598103934665603ull;   // FNV-1a
    void Add(const void *data, size_t size)
    {
        const unsigned char *bytes = static_cast<const unsigned char *>(data);
        for (size_t i = 0; i < size; i++)
            hash = (hash ^ bytes[i]) * 1099511628211ull;
    }
    template <typename T> void Add(const T &value) { Add(&value, sizeof value); }
    void AddText(const char *text, size_t size) { Add(text, strnlen(text, size)); }
};

void AddCuePoint(Print &p, int index)
{
    p.Add(index);
    p.Add(IndexActiveArray[index]);
    p.Add(IndexMin[index]);
    p.Add(IndexSec[index]);
    p.Add(IndexMsec[index]);
    p.AddText(CueNameBuffer[index], CUE_SIZE);
}

void AddStrip(Print &p, int slot, int index)
{
    const bool automated = IsAutomated(slot, index);
    p.Add(automated);
    if (automated)
        p.Add(Volume[Cell(slot, index)]);
}

// A strip's cell in the table: its own volume, or the dim level it carries on.
void AddShownCell(Print &p, int col, int index)
{
    AddStrip(p, CueColumnSlot(col), index);
    float level = 0;
    p.Add(ShownLevel(col, index, &level));
    p.Add(level);
}

// One row: its cue point, the mark (which depends on the active cue point above), the count
// of automated strips and the strips of the bank.
uint64_t RowPrint(int row)
{
    const int index = CueRowIndex(row);
    Print p;
    p.Add(row);
    AddCuePoint(p, index);
    p.Add(IsOutOfOrder(index));
    p.Add(AutomatedStrips(index));
    for (int col = FIXED_COLUMNS; col < CueTable->cols(); col++) {
        AddShownCell(p, col, index);
        p.Add(CueCellSelected(row, col - FIXED_COLUMNS));
    }
    return p.hash;
}

// What every row and the headings depend on: the rows shown, the bank's strips and names,
// the current cell, the plotted strip.
uint64_t FramePrint()
{
    Print p;
    p.Add(CueRowCount());
    p.Add(CueTable->cols());
    p.Add(CurrentIndex());
    p.Add(FrameColumn());
    p.Add(PlotSlot);
    for (int col = FIXED_COLUMNS; col < CueTable->cols(); col++) {
        p.Add(CueColumnSlot(col));
        p.AddText(NameBuffer[CueColumnSlot(col)], NAME_SIZE);
    }
    for (int row = 0; row < CueRowCount(); row++)
        p.Add(CueRowIndex(row));
    return p.hash;
}

uint64_t PlotPrint()
{
    Print p;
    p.Add(PlotSlot);
    p.Add(CurrentIndex());
    p.AddText(NameBuffer[PlotSlot], NAME_SIZE);
    for (int index = 0; index < INDEX_COUNT; index++)
        if (IsActiveCue(index)) {
            AddCuePoint(p, index);
            AddStrip(p, PlotSlot, index);
            p.Add(Ramp[Cell(PlotSlot, index)]);
            p.Add(Shape[Cell(PlotSlot, index)]);
        }
    // The selected cells of the plotted strip are marked.
    const int k = CueColumnOf(PlotSlot) - FIXED_COLUMNS;
    for (int row = 0; k >= 0 && row < CueRowCount(); row++)
        p.Add(CueCellSelected(row, k));
    return p.hash;
}

const uint64_t UNKNOWN = 0;
uint64_t row_prints[INDEX_COUNT];
uint64_t frame_print, plot_print;

} // namespace

void RedrawChangedCues()
{
    const uint64_t frame = FramePrint();
    const bool all = frame != frame_print;
    frame_print = frame;
    // Only the rows on screen are compared; the others are marked unknown, so that a row
    // scrolled into view since is compared afresh.
    int top, bottom, left, right;
    CueTable->visible_cells(top, bottom, left, right);
    for (int row = 0; row < CueRowCount(); row++) {
        const bool shown = row >= top && row <= bottom;
        const uint64_t print = shown ? RowPrint(row) : UNKNOWN;
        if (!all && shown && print != row_prints[row])
            static_cast<CueGrid *>(CueTable)->RedrawRow(row);
        row_prints[row] = print;
    }
    if (all)
        CueTable->redraw();
    const uint64_t plot = PlotPrint();
    if (plot != plot_print)
        CuePlot->redraw();
    plot_print = plot;
}
