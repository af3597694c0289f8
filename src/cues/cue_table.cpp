// The cue table: one row per cue point (the active ones, or all 512), the fixed columns of the
// cue point, then one column per strip of the faders window's bank with the volume where the
// strip is automated. The row of the faders window's current index is highlighted; clicking a
// row makes it current, Return or a double click edits a volume, Delete switches "auto" off.
#include <FL/Fl.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Table.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/bank.h"
#include "state/callback.h"
#include "state/position.h"
#include "state/typed_number.h"
#include "files/text_out.h"
#include "state/status_message.h"

Fl_Table *CueTable;
Fl_Float_Input *CueEntry;

namespace {

struct FixedColumn {
    const char *title;
    int width;
    Fl_Align align;
};

const FixedColumn Fixed[FIXED_COLUMNS] = {
    {"Index", 42, FL_ALIGN_RIGHT},     {"Active", 46, FL_ALIGN_CENTER},
    {"min/meas", 66, FL_ALIGN_RIGHT},  {"sec/beat", 66, FL_ALIGN_RIGHT},
    {"msec/tick", 66, FL_ALIGN_RIGHT}, {"Order", 50, FL_ALIGN_CENTER},
    {"Cue", 106, FL_ALIGN_LEFT},       {"Strips", 44, FL_ALIGN_RIGHT},
};

const Fl_Color ROW_COLOR = FL_WHITE;
const Fl_Color STRIPED_ROW = fl_rgb_color(240, 243, 248);
const Fl_Color CURRENT_ROW = fl_rgb_color(186, 214, 250);
const Fl_Color INACTIVE_ROW = fl_rgb_color(222, 222, 222);
const Fl_Color EARLY_COLOR = fl_rgb_color(255, 190, 130);
const Fl_Color EARLY_TEXT = fl_rgb_color(150, 30, 0);
const Fl_Color HEADING_COLOR = fl_rgb_color(214, 218, 226);
const Fl_Color PLOTTED_HEADING = fl_rgb_color(255, 226, 140);

int rows[INDEX_COUNT];   // the cue point of each row
int row_count;
int chosen_strip_column; // the strip column that Return and Delete act on (0-based)
int strip_column_slots[STRIP_COUNT], strip_column_count;   // the bank's strips, set by SetCueColumns
int entry_slot = -1, entry_index = -1;
bool keep_scroll;        // set while a click moves the current index

bool IsTimeColumn(int col) { return col >= COL_MIN && col <= COL_MSEC; }

// ---- drawing ----

// Text is clipped to its cell only when it does not fit: a clip for each of the few hundred
// cells on screen would cost more than the drawing itself.
void DrawText(const char *text, int x, int y, int w, int h, Fl_Align align)
{
    if (!text[0])
        return;
    const bool fits = fl_width(text) <= w - 8;
    fl_draw(text, x + 4, y, w - 8, h, fits ? align : align | FL_ALIGN_CLIP);
}

void DrawHeading(int col, int x, int y, int w, int h)
{
    const int slot = CueColumnSlot(col);
    const bool plotted = slot >= 0 && slot == PlotSlot;
    fl_draw_box(FL_THIN_UP_BOX, x, y, w, h, plotted ? PLOTTED_HEADING : HEADING_COLOR);
    fl_color(FL_BLACK);
    fl_font(plotted ? FL_HELVETICA_BOLD : FL_HELVETICA, 12);
    if (slot < 0) {
        DrawText(Fixed[col].title, x, y, w, h, FL_ALIGN_CENTER);
        return;
    }
    char title[32];
    SlotTitle(slot, title, sizeof title);
    DrawText(title, x, y + 2, w, h / 2, FL_ALIGN_CENTER);
    if (strcmp(NameBuffer[slot], title) != 0)
        DrawText(NameBuffer[slot], x, y + h / 2 - 1, w, h / 2, FL_ALIGN_CENTER);
}

Fl_Color RowColor(int row, int index)
{
    if (index == CurrentIndex())
        return CURRENT_ROW;
    if (!IsActiveCue(index))
        return INACTIVE_ROW;
    return row % 2 ? STRIPED_ROW : ROW_COLOR;
}

// The text of a cell; the volume as faders.txt writes it.
void CellText(int index, int col, char *text, int size)
{
    text[0] = 0;
    const int slot = CueColumnSlot(col);
    if (slot >= 0) {
        if (IsAutomated(slot, index)) {
            TextOut out = StartText(text, size);
            AppendFloat(&out, Volume[Cell(slot, index)], 2);
        }
        return;
    }
    switch (col) {
    case COL_INDEX: snprintf(text, size, "%d", index + 1); break;
    case COL_ACTIVE: snprintf(text, size, "%s", IsActiveCue(index) ? "on" : "off"); break;
    // The time fields as the faders window's inputs show them.
    case COL_MIN: snprintf(text, size, "%g", IndexMin[index]); break;
    case COL_SEC: snprintf(text, size, "%g", IndexSec[index]); break;
    case COL_MSEC: snprintf(text, size, "%g", IndexMsec[index]); break;
    case COL_ORDER: snprintf(text, size, "%s", IsOutOfOrder(index) ? "early" : ""); break;
    case COL_CUE: snprintf(text, size, "%s", CueNameBuffer[index]); break;
    case COL_STRIPS: snprintf(text, size, "%d", AutomatedStrips(index)); break;
    }
}

void DrawCell(int row, int col, int x, int y, int w, int h)
{
    const int index = CueRowIndex(row);
    if (index < 0)
        return;
    const bool early = (IsTimeColumn(col) || col == COL_ORDER) && IsOutOfOrder(index);
    fl_color(early ? EARLY_COLOR : RowColor(row, index));
    fl_rectf(x, y, w, h);
    fl_color(FL_LIGHT1);
    fl_xyline(x, y + h - 1, x + w - 1);
    fl_yxline(x + w - 1, y, y + h - 1);

    char text[CUE_SIZE + 8];
    CellText(index, col, text, sizeof text);
    fl_font(early && col == COL_ORDER ? FL_HELVETICA_BOLD : FL_HELVETICA, 12);
    fl_color(early ? EARLY_TEXT : IsActiveCue(index) ? FL_BLACK : FL_DARK3);
    const Fl_Align align = col < FIXED_COLUMNS ? Fixed[col].align : FL_ALIGN_RIGHT;
    DrawText(text, x, y, w, h, align);

    if (index == CurrentIndex() && col == FIXED_COLUMNS + chosen_strip_column) {
        fl_color(FL_BLACK);
        fl_rect(x, y, w - 1, h - 1);
        fl_rect(x + 1, y + 1, w - 3, h - 3);
    }
}

void PlaceEntry();

} // namespace

// ---- the table widget: drawing and the events that reach it first ----

void CueGrid::draw_cell(TableContext context, int row, int col, int x, int y, int w, int h)
{
    switch (context) {
    case CONTEXT_STARTPAGE:
        PlaceEntry();
        return;
    case CONTEXT_COL_HEADER:
        fl_push_clip(x, y, w, h);
        DrawHeading(col, x, y, w, h);
        fl_pop_clip();
        return;
    case CONTEXT_CELL:
        DrawCell(row, col, x, y, w, h);
        return;
    default:
        return;
    }
}

int CueGrid::handle(int event)
{
    const bool on_child = (CueEntry->visible() && Fl::event_inside(CueEntry)) ||
                          (vscrollbar->visible() && Fl::event_inside(vscrollbar)) ||
                          (hscrollbar->visible() && Fl::event_inside(hscrollbar));
    if (event == FL_PUSH && !on_child) {
        int row, col;
        ResizeFlag resize;
        const TableContext context = cursor2rowcol(row, col, resize);
        take_focus();
        if (context == CONTEXT_CELL) {
            ClickCueCell(row, col);
            if (Fl::event_clicks() > 0)
                OpenCueEntry(col);
            return 1;
        }
        if (context == CONTEXT_COL_HEADER) {
            ClickCueHeading(col);
            return 1;
        }
    }
    if (event == FL_KEYBOARD && CueGridKey())
        return 1;
    return Fl_Table::handle(event);
}

void CueGrid::CellBox(int row, int col, int &x, int &y, int &w, int &h)
{
    find_cell(CONTEXT_CELL, row, col, x, y, w, h);
}

namespace {

// Keeps the open entry over its cell while the table scrolls, or closes it.
void PlaceEntry()
{
    if (!CueEntry || !CueEntry->visible())
        return;
    const int row = CueRowOf(entry_index), col = CueColumnOf(entry_slot);
    int x, y, w, h;
    if (row < 0 || col < 0) {
        CloseCueEntry();
        return;
    }
    static_cast<CueGrid *>(CueTable)->CellBox(row, col, x, y, w, h);
    if (x != CueEntry->x() || y != CueEntry->y())
        CueEntry->resize(x, y, w, h);
}

int CurrentRow() { return CueRowOf(CurrentIndex()); }

void ChooseStripColumn(int k)
{
    const int count = StripColumnCount();
    chosen_strip_column = k < 0 ? 0 : (k >= count ? count - 1 : k);
}

} // namespace

// Return, Delete and the arrows, with the table focused.
bool CueGridKey()
{
    if (Fl::event_state(FL_CTRL | FL_ALT | FL_META))
        return false;
    const int col = FIXED_COLUMNS + chosen_strip_column;
    switch (Fl::event_key()) {
    case FL_Enter:
    case FL_KP_Enter:
        OpenCueEntry(col);
        return true;
    case FL_Delete:
        ClearCueAuto(col);
        return true;
    case FL_Left:
    case FL_Right:
        ChooseStripColumn(chosen_strip_column + (Fl::event_key() == FL_Right ? 1 : -1));
        EndOperation(CueTable);
        return true;
    case FL_Up:
    case FL_Down: {
        const int row = CurrentRow() + (Fl::event_key() == FL_Down ? 1 : -1);
        if (CurrentRow() >= 0 && row >= 0 && row < row_count) {
            SetCurrentIndex(CueRowIndex(row));
            EndOperation(CueTable);
        }
        return true;
    }
    case FL_Escape:
        if (!CueEntry->visible())
            return false;
        CloseCueEntry();
        return true;
    default:
        return false;
    }
}

// ---- rows and columns ----

void BuildCueRows(bool all)
{
    row_count = 0;
    for (int index = 0; index < INDEX_COUNT; index++)
        if (all || IsActiveCue(index))
            rows[row_count++] = index;
    ChooseStripColumn(chosen_strip_column);
}

int CueRowCount() { return row_count; }

void CueCellText(int row, int col, char *text, int size)
{
    text[0] = 0;
    if (CueRowIndex(row) >= 0)
        CellText(CueRowIndex(row), col, text, size);
}
int CueRowIndex(int row) { return row >= 0 && row < row_count ? rows[row] : -1; }

int CueRowOf(int index)
{
    for (int row = 0; row < row_count; row++)
        if (rows[row] == index)
            return row;
    return -1;
}

int CueColumnSlot(int col)
{
    const int k = col - FIXED_COLUMNS;
    return k >= 0 && k < strip_column_count ? strip_column_slots[k] : -1;
}

int CueColumnOf(int slot)
{
    for (int k = 0; k < strip_column_count; k++)
        if (strip_column_slots[k] == slot)
            return FIXED_COLUMNS + k;
    return -1;
}

int CueChosenColumn() { return FIXED_COLUMNS + chosen_strip_column; }

void SetCueColumns(Fl_Table *table)
{
    strip_column_count = StripColumnCount();
    for (int k = 0; k < strip_column_count; k++)
        strip_column_slots[k] = StripSlot(StripOfColumn(k), CurrentBank());
    if (table->cols() != FIXED_COLUMNS + strip_column_count)
        table->cols(FIXED_COLUMNS + strip_column_count);
    for (int col = 0; col < FIXED_COLUMNS; col++)
        table->col_width(col, Fixed[col].width);
    for (int col = FIXED_COLUMNS; col < table->cols(); col++)
        table->col_width(col, STRIP_COLUMN_WIDTH);
}

// ---- edits ----

void ClickCueCell(int row, int col)
{
    const int index = CueRowIndex(row);
    if (index < 0)
        return;
    if (CueColumnSlot(col) >= 0)
        chosen_strip_column = col - FIXED_COLUMNS;
    // A clicked row is on screen: the table does not scroll under the mouse (the second click
    // of a double click would land on another row).
    keep_scroll = true;
    SetCurrentIndex(index);
    EndOperation(CueTable);
    keep_scroll = false;
}

void ClickCueHeading(int col)
{
    const int slot = CueColumnSlot(col);
    if (slot < 0)
        return;
    PlotSlot = slot;
    chosen_strip_column = col - FIXED_COLUMNS;
    EndOperation(CueTable);
}

void OpenCueEntry(int col)
{
    const int slot = CueColumnSlot(col), index = CurrentIndex(), row = CueRowOf(index);
    if (slot < 0 || row < 0)
        return;
    chosen_strip_column = col - FIXED_COLUMNS;
    entry_slot = slot;
    entry_index = index;
    int x, y, w, h;
    static_cast<CueGrid *>(CueTable)->CellBox(row, col, x, y, w, h);
    CueEntry->resize(x, y, w, h);
    char text[32];
    TextOut out = StartText(text, sizeof text);
    AppendFloat(&out, Volume[Cell(slot, index)], 2);
    CueEntry->value(text);
    CueEntry->show();
    CueEntry->take_focus();
    CueEntry->position(0, CueEntry->size());
    CueTable->redraw();
}

namespace {

// A typed volume: a number within the faders' volume range.
bool ParseVolume(const char *text, float *volume)
{
    double v;
    if (!ReadTypedNumber(text, &v) || v < -144 || v > 12)
        return false;
    *volume = float(v);
    return true;
}

// The refresh at the end of the edit shows the changed cells in the faders window at once.
void EndTableEdit()
{
    ClearStatus();
    EndOperation(CueTable);
}

} // namespace

void StoreCueEntry()
{
    if (!CueEntry->visible())
        return;
    float volume;
    if (ParseVolume(CueEntry->value(), &volume)) {
        Volume[Cell(entry_slot, entry_index)] = volume;
        ChanActive[Cell(entry_slot, entry_index)] = 1;
    }
    CloseCueEntry();
    EndTableEdit();
}

void CloseCueEntry()
{
    if (!CueEntry->visible())
        return;
    // Left by a click elsewhere, the focus stays where the click put it.
    const bool focused = Fl::focus() == CueEntry;
    CueEntry->hide();
    entry_slot = entry_index = -1;
    if (focused)
        CueTable->take_focus();
    CueTable->redraw();
}

void ClearCueAuto(int col)
{
    const int slot = CueColumnSlot(col), index = CurrentIndex();
    if (slot < 0 || CueRowOf(index) < 0)
        return;
    chosen_strip_column = col - FIXED_COLUMNS;
    ChanActive[Cell(slot, index)] = 0;
    EndTableEdit();
}

// The entry's callback: Return stores, leaving the entry any other way stores nothing.
void CueEntryDone(Fl_Widget *, void *)
{
    const bool enter = Fl::event() == FL_KEYBOARD &&
                       (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter);
    if (enter)
        StoreCueEntry();
    else
        CloseCueEntry();
}

// Scrolls the current index's row into view.
void ShowCurrentRow()
{
    const int row = CurrentRow();
    if (row < 0 || keep_scroll)
        return;
    int top, bottom, left, right;
    CueTable->visible_cells(top, bottom, left, right);
    if (row < top || row >= bottom)
        CueTable->row_position(row > 3 ? row - 3 : 0);
}
