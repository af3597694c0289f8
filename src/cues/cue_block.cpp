// The cue table's selection and the edits of many cells, between the table's events and the
// FLTK-free block edits of the state.
#include "cues/cue_block.h"

#include <FL/Fl.H>

#include <algorithm>
#include <cstdio>

#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/position.h"
#include "files/cell_text.h"
#include "state/bank.h"
#include "state/block_edit.h"
#include "state/level_in_force.h"
#include "state/status_message.h"
#include "state/undo_journal.h"

CellSelection CueSelection;

namespace {

int row_index[SELECTION_ROWS], column_slot[SELECTION_COLUMNS];
BlockCell cells[MAX_BLOCK_CELLS];
CellBlock pasted;
char clipboard[1 << 20];
float shown_level[SELECTION_COLUMNS][INDEX_COUNT];
bool shown_has[SELECTION_COLUMNS][INDEX_COUNT];

// What the table shows now, as the block edits address it.
CellGrid Grid()
{
    const int rows = CueRowCount(), columns = StripColumnCount();
    for (int row = 0; row < rows; row++)
        row_index[row] = CueRowIndex(row);
    for (int k = 0; k < columns && k < SELECTION_COLUMNS; k++)
        column_slot[k] = CueColumnSlot(FIXED_COLUMNS + k);
    return {row_index, rows, column_slot, columns < SELECTION_COLUMNS ? columns : SELECTION_COLUMNS};
}

// The frame's strip column, or -1 when the frame is on another column.
int FrameStrip() { return CueColumnSlot(FrameColumn()) >= 0 ? FrameColumn() - FIXED_COLUMNS : -1; }

bool several;           // more than one cell is selected: the selection is drawn and edited

// The selected cells, or the framed one.
int TargetCells(CellGrid *grid)
{
    *grid = Grid();
    CellSelection frame;
    if (!several)
        SelectCell(&frame, FrameRow(), FrameStrip());
    return ListSelectedCells(several ? &CueSelection : &frame, grid, cells);
}

// The status line says what was done, and the undo step is named by it; the operation's end
// records it. A plain edit of the framed cell alone clears the status line and is named by the
// cell it changed, as every single edit is.
void Report(BlockEdit edit, double amount, const BlockCounts &counts)
{
    char message[STATUS_SIZE], step[40];
    DescribeBlockEdit(edit, amount, counts, message, sizeof message, step, sizeof step);
    if (!several && counts.cells == 1 && !counts.held_low && !counts.held_high && edit != EDIT_PASTE && edit != EDIT_CUT) {
        ClearStatus();
        return;
    }
    SetStatus("%s", message);
    JournalNameNextStep(step);
}

void Apply(BlockEdit edit, BlockCounts (*operation)(const BlockCell *, int))
{
    CellGrid grid;
    const int n = TargetCells(&grid);
    Report(edit, 0, operation(cells, n));
}

const char FORMS[] = "type a volume from -144 to 12 to set, +=dB or +dB to raise, -=dB to lower";

void Forget()
{
    ClearSelection(&CueSelection);
    several = false;
}

// The end of the operation that changed the selection shows it, and ends a run of nudges.
void Changed() { several = SelectedCells(&CueSelection) > 1; }

int nudge_run;          // the address names the run of nudges
double nudge_total;     // what the run has moved so far

} // namespace

// ---- the selection ----

void SelectCueCells(int row, int strip_col, SelectHow how)
{
    // Shift from no selection stretches one from the framed cell.
    if (how == SELECT_EXTEND && SelectedCells(&CueSelection) == 0 && FrameRow() >= 0 && FrameStrip() >= 0)
        SelectCell(&CueSelection, FrameRow(), FrameStrip());
    switch (how) {
    case SELECT_NEW: SelectCell(&CueSelection, row, strip_col); break;
    case SELECT_ADD: AddCell(&CueSelection, row, strip_col); break;
    case SELECT_EXTEND: ExtendSelection(&CueSelection, row, strip_col); break;
    }
    Changed();
}

namespace {

void SelectCueRect(CellRect r, SelectHow how)
{
    if (how == SELECT_EXTEND && CueSelection.open) {
        // Shift on the index column or a heading stretches the newest rectangle over it.
        CellRect b = {CueSelection.anchor_row, CueSelection.anchor_col, CueSelection.anchor_row,
                      CueSelection.anchor_col};
        b.top = std::min(b.top, r.top), b.bottom = std::max(b.bottom, r.bottom);
        b.left = std::min(b.left, r.left), b.right = std::max(b.right, r.right);
        r = b;
    }
    SelectRect(&CueSelection, r, how == SELECT_ADD);
    Changed();
}

int LastRow() { return CueRowCount() - 1; }
int LastColumn() { return StripColumnCount() - 1; }

} // namespace

void SelectCueRows(int from, int to, SelectHow how)
{
    if (LastColumn() >= 0)
        SelectCueRect({std::min(from, to), 0, std::max(from, to), LastColumn()}, how);
}

void SelectCueColumn(int strip_col, SelectHow how)
{
    if (LastRow() >= 0)
        SelectCueRect({0, strip_col, LastRow(), strip_col}, how);
}

void SelectAllCues()
{
    if (LastRow() >= 0 && LastColumn() >= 0)
        SelectCueRect({0, 0, LastRow(), LastColumn()}, SELECT_NEW);
}

void ClearCueSelection()
{
    ClearSelection(&CueSelection);
    Changed();
}

int MarkSelectedRows(bool (&marked)[INDEX_COUNT])
{
    const unsigned whole = (1u << StripColumnCount()) - 1;
    int count = 0;
    for (int row = 0; several && row < CueRowCount(); row++)
        if ((RowSelection(&CueSelection, row) & whole) == whole) {
            marked[CueRowIndex(row)] = true;
            count++;
        }
    return count;
}

bool CueCellSelected(int row, int strip_col) { return several && IsSelected(&CueSelection, row, strip_col); }

void CueSelectionText(char *text, int size)
{
    const int n = SelectedCells(&CueSelection);
    if (several)
        snprintf(text, size_t(size), "%d cells over %d cue point%s selected", n, SelectedRows(&CueSelection),
                 SelectedRows(&CueSelection) == 1 ? "" : "s");
    else if (size > 0)
        text[0] = 0;
}

// ---- the edits ----

bool TypeOverCueSelection(const char *text)
{
    double amount;
    const TypedEdit typed = ReadTypedEdit(text, &amount);
    if (typed == TYPED_NONE) {
        SetStatus("Not stored: %s", FORMS);
        return false;
    }
    CloseCueEntry();
    CellGrid grid;
    const int n = TargetCells(&grid);
    if (typed == TYPED_SET) {
        Report(EDIT_SET, amount, SetVolumes(cells, n, float(amount)));
    } else if (!several && n == 1 && !IsAutomated(cells[0].slot, cells[0].index)) {
        // One cell that carries a level on: the change starts from that level.
        BlockCounts counts{};
        WriteVolume(cells[0].slot, cells[0].index, StartingLevel(cells[0].slot, cells[0].index) + amount, &counts);
        Report(EDIT_SHIFT, amount, counts);
    } else {
        Report(EDIT_SHIFT, amount, ShiftVolumes(cells, n, amount));
    }
    return true;
}

bool CueSelectionShown() { return several; }

void NudgeCueSelection(double dB)
{
    nudge_total = JournalRunOpen(&nudge_run) ? nudge_total + dB : dB;
    CellGrid grid;
    const int n = TargetCells(&grid);
    BlockCounts counts = ShiftVolumes(cells, n, dB);
    char message[STATUS_SIZE], step[40];
    DescribeBlockEdit(EDIT_SHIFT, dB, counts, message, sizeof message, step, sizeof step);
    SetStatus("%s", message);
    // The step says what the whole run moved.
    DescribeBlockEdit(EDIT_SHIFT, nudge_total, counts, message, sizeof message, step, sizeof step);
    JournalNameNextRun(&nudge_run, step);
}

void CueSelectionAutoOff() { Apply(EDIT_AUTO_OFF, SwitchAutoOff); }
void FillCueSelectionDown() { Apply(EDIT_FILL, FillDown); }
void InterpolateCueSelection() { Apply(EDIT_INTERPOLATE, Interpolate); }

void CopyCueSelection(bool cut)
{
    CellRect r;
    const CellGrid grid = Grid();
    if (!several)
        r = {FrameRow(), FrameStrip(), FrameRow(), FrameStrip()};
    else if (!IsOneRect(&CueSelection) || !SelectionBounds(&CueSelection, &r)) {
        SetStatus("Copy takes one rectangle of cells: select one block to copy");
        return;
    }
    if (r.top < 0 || r.left < 0)
        return;
    const int length = ComposeCellText(&grid, r, clipboard, sizeof clipboard);
    if (length < 0)
        return;
    Fl::copy(clipboard, length, 1);
    const int rows = r.bottom - r.top + 1, cols = r.right - r.left + 1;
    if (cut) {
        CellGrid target;
        const int n = TargetCells(&target);
        Report(EDIT_CUT, 0, SwitchAutoOff(cells, n));
        return;
    }
    SetStatus("Copied %d x %d cells to the clipboard", rows, cols);
}

void PasteCueText(const char *text, int length)
{
    char why[STATUS_SIZE];
    if (FrameRow() < 0 || FrameStrip() < 0) {
        SetStatus("Paste needs the frame on a strip's cell");
        return;
    }
    if (!ParseCellText(text, length, &pasted, why, sizeof why)) {
        SetStatus("%s", why);
        return;
    }
    const CellGrid grid = Grid();
    CellSelection over;
    if (several)
        over = CueSelection;
    else
        ClearSelection(&over);
    Report(EDIT_PASTE, 0, PasteCellBlock(&pasted, &grid, FrameRow(), FrameStrip(), &over));
}

// ---- the levels in force ----

void ReadShownLevels()
{
    int order[INDEX_COUNT];
    const int count = ActiveCuesInTime(order);
    for (int k = 0; k < StripColumnCount() && k < SELECTION_COLUMNS; k++)
        LevelsInForce(CueColumnSlot(FIXED_COLUMNS + k), order, count, shown_level[k], shown_has[k]);
}

bool ShownLevel(int col, int index, float *level)
{
    const int k = col - FIXED_COLUMNS;
    if (k < 0 || k >= SELECTION_COLUMNS || !IsIndex(index) || !shown_has[k][index])
        return false;
    *level = shown_level[k][index];
    return true;
}

// ---- the selection follows the table ----

void KeepCueSelection()
{
    static int bank;
    static unsigned long rows_print;
    unsigned long print = 5381;   // the rows shown, as a djb2 hash
    for (int row = 0; row < CueRowCount(); row++)
        print = print * 33 + unsigned(CueRowIndex(row));
    print = print * 33 + unsigned(CueRowCount());
    if (bank != CurrentBank() || print != rows_print)
        Forget();
    bank = CurrentBank();
    rows_print = print;
}

// ---- mouse and keys on the table ----

namespace {

enum Drag { DRAG_NONE, DRAG_CELLS, DRAG_ROWS } drag;
int drag_row = -1, drag_col = -1;

SelectHow How()
{
    return Fl::event_state(FL_SHIFT) ? SELECT_EXTEND : Fl::event_state(FL_CTRL) ? SELECT_ADD : SELECT_NEW;
}

int Clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

} // namespace

void StretchCueSelection(int rows, int cols)
{
    if (FrameRow() < 0 || FrameStrip() < 0)
        return;
    if (!several || !CueSelection.open)
        SelectCell(&CueSelection, FrameRow(), FrameStrip());
    const int row = Clamp(CueSelection.end_row + rows, 0, LastRow());
    const int col = Clamp(CueSelection.end_col + cols, 0, LastColumn());
    ExtendSelection(&CueSelection, row, col);
    Changed();
    // The moving corner stays on screen.
    int top, bottom, left, right;
    CueTable->visible_cells(top, bottom, left, right);
    if (row < top || row >= bottom)
        CueTable->row_position(row < top ? row : row - (bottom - top) + 1);
}

void PasteCueClipboard() { Fl::paste(*CueTable, 1); }

bool AutoOffCueSelection()
{
    if (CueEntryOpen() || !several)
        return false;
    CueSelectionAutoOff();
    return true;
}

void LeaveCueSelection()
{
    const int key = Fl::event_key();
    const bool moves = key == FL_Up || key == FL_Down || key == FL_Left || key == FL_Right || key == FL_Tab;
    if (moves && !Fl::event_state(FL_SHIFT) && several && !CueEntryOpen())
        Forget();
}

bool CueSelectionMouse(int event, int context_cell, int row, int col)
{
    const int k = col - FIXED_COLUMNS;
    const bool strip = CueColumnSlot(col) >= 0;
    if (event == FL_PUSH) {
        drag = DRAG_NONE;
        if (Fl::event_button() != FL_LEFT_MOUSE)
            return false;
        if (!context_cell) {   // a heading: Shift+click selects the strip's column
            if (!strip || !Fl::event_state(FL_SHIFT))
                return false;
            SelectCueColumn(k, Fl::event_state(FL_CTRL) ? SELECT_ADD : SELECT_NEW);
            return true;
        }
        const SelectHow how = How();
        if (strip) {
            drag = DRAG_CELLS;
            if (how == SELECT_EXTEND) {   // the frame stays where the selection started
                SelectCueCells(row, k, how);
                return true;
            }
            SelectCueCells(row, k, how);
            ClickCueCell(row, col);
            return Fl::event_clicks() == 0 || how != SELECT_NEW;
        }
        if (col == COL_INDEX) {
            drag = DRAG_ROWS;
            drag_row = row;
            if (how == SELECT_NEW)
                ClickCueCell(row, col);
            SelectCueRows(row, row, how);
            return true;
        }
        if (several)
            Forget();
        return false;
    }
    if (event == FL_DRAG && drag != DRAG_NONE && row >= 0) {
        col = drag == DRAG_ROWS ? FIXED_COLUMNS + LastColumn() : Clamp(col, FIXED_COLUMNS, FIXED_COLUMNS + LastColumn());
        if (row == drag_row && col == drag_col)
            return true;
        drag_row = row;
        drag_col = col;
        SelectCueCells(row, col - FIXED_COLUMNS, SELECT_EXTEND);
        return true;
    }
    if (event == FL_RELEASE)
        drag = DRAG_NONE;
    return false;
}
