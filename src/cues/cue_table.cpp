// The cue table: one row per cue point (the active ones, or all 512), the fixed columns of the
// cue point, then one column per strip of the faders window's bank with the volume where the
// strip is automated, or dimmed the level it carries on from before. The row of the faders
// window's current index is highlighted and the frame drawn on its framed cell; clicking a cell
// frames it, typing, Return or a double click edits it (cue_entry.cpp), a right click offers the
// operations on whole cue points, drags and clicks with Shift or Ctrl select (cue_block.cpp).
#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Table.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cues/cue_block.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/bank.h"
#include "state/callback.h"
#include "state/position.h"
#include "files/text_out.h"

Fl_Table *CueTable;

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
const Fl_Color SELECTED_CELL = fl_rgb_color(120, 164, 232);
const Fl_Color SELECTED_CURRENT = fl_rgb_color(96, 142, 218);
const Fl_Color CARRIED_TEXT = fl_rgb_color(128, 128, 128);   // a level carried on from before
const Fl_Color CARRIED_SELECTED = fl_rgb_color(40, 60, 100);

int rows[INDEX_COUNT];   // the cue point of each row
int row_count;
int strip_column_slots[STRIP_COUNT], strip_column_count;   // the bank's strips, set by SetCueColumns
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

// A name too wide for `width` pixels, cut at a character and ended with an ellipsis, so that
// a centred heading never loses both ends. The full name is the heading's tooltip.
void FitName(const char *name, int width, char *out, int size)
{
    static const char ELLIPSIS[] = "\xE2\x80\xA6";
    snprintf(out, size_t(size), "%s", name);
    if (fl_width(out) <= width)
        return;
    for (int length = int(strlen(out)); length > 0; length--) {
        if ((out[length] & 0xC0) == 0x80)
            continue;   // inside a character of several bytes
        snprintf(out + length, size_t(size - length), "%s", ELLIPSIS);
        if (fl_width(out) <= width)
            return;
    }
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
    if (strcmp(NameBuffer[slot], title) != 0) {
        char name[NAME_SIZE + 8];
        FitName(NameBuffer[slot], w - 8, name, sizeof name);
        DrawText(name, x, y + h / 2 - 1, w, h / 2, FL_ALIGN_CENTER);
    }
}

// The full name of the strip under the mouse in the headings, as a tooltip.
void ShowHeadingTip(Fl_Table *table, int col)
{
    static char tip[NAME_SIZE + 40];
    const int slot = CueColumnSlot(col);
    int x, y, w, h;
    if (slot < 0 || !static_cast<CueGrid *>(table)->HeadingBox(col, x, y, w, h)) {
        Fl_Tooltip::enter_area(table, 0, 0, 0, 0, nullptr);
        return;
    }
    char title[32];
    SlotTitle(slot, title, sizeof title);
    snprintf(tip, sizeof tip, "%s: %s (click: plot this strip)", title, NameBuffer[slot]);
    Fl_Tooltip::enter_area(table, x - table->x(), y - table->y(), w, h, tip);
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
    const bool selected = CueCellSelected(row, col - FIXED_COLUMNS);
    const Fl_Color selected_color = index == CurrentIndex() ? SELECTED_CURRENT : SELECTED_CELL;
    fl_color(early ? EARLY_COLOR : selected ? selected_color : RowColor(row, index));
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
    float level;
    if (!text[0] && CueColumnSlot(col) >= 0 && ShownLevel(col, index, &level)) {
        // The level the strip carries on from its last automated cue point, dimmed.
        TextOut out = StartText(text, sizeof text);
        AppendFloat(&out, level, 2);
        fl_font(FL_HELVETICA_ITALIC, 12);
        fl_color(selected ? CARRIED_SELECTED : CARRIED_TEXT);
        DrawText(text, x, y, w, h, align);
    }

    if (index == CurrentIndex() && col == FrameColumn()) {
        // Inside a selection the frame keeps a white line, so it stays plain on the blue.
        fl_color(FL_BLACK);
        fl_rect(x, y, w - 1, h - 1);
        fl_color(selected ? FL_WHITE : FL_BLACK);
        fl_rect(x + 1, y + 1, w - 3, h - 3);
    }
}

} // namespace

// ---- the table widget: drawing and the events that reach it first ----

// The table draws changed cells after its children: the open entry is drawn again on top.
void CueGrid::draw()
{
    Fl_Table::draw();
    if (CueEntry->visible())
        draw_child(*CueEntry);
}

void CueGrid::draw_cell(TableContext context, int row, int col, int x, int y, int w, int h)
{
    switch (context) {
    case CONTEXT_STARTPAGE:
        PlaceCueEntry();
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
    if (event == FL_PASTE) {
        PasteCueText(Fl::event_text(), Fl::event_length());
        EndOperation(this);
        return 1;
    }
    if ((event == FL_PUSH && !on_child) || event == FL_DRAG || event == FL_RELEASE) {
        int row, col;
        ResizeFlag resize;
        const TableContext context = cursor2rowcol(row, col, resize);
        if (event == FL_PUSH)
            take_focus();
        const bool cell = context == CONTEXT_CELL;
        if ((cell || context == CONTEXT_COL_HEADER || event != FL_PUSH) &&
            CueSelectionMouse(event, cell, cell ? row : -1, col)) {
            EndOperation(this);
            return 1;
        }
    }
    if (event == FL_PUSH && !on_child) {
        int row, col;
        ResizeFlag resize;
        const TableContext context = cursor2rowcol(row, col, resize);
        if (context == CONTEXT_CELL) {
            ClickCueCell(row, col);
            if (Fl::event_button() == FL_RIGHT_MOUSE)
                PopUpCueMenu();
            else if (Fl::event_clicks() > 0)
                OpenCueEntry(col);
            return 1;
        }
        if (context == CONTEXT_COL_HEADER) {
            ClickCueHeading(col);
            return 1;
        }
    }
    if (event == FL_MOVE || event == FL_ENTER) {
        int row, col;
        ResizeFlag resize;
        ShowHeadingTip(this, cursor2rowcol(row, col, resize) == CONTEXT_COL_HEADER ? col : -1);
    }
    if (event == FL_KEYBOARD && (LeaveCueSelection(), CueGridKey()))
        return 1;
    const int used = Fl_Table::handle(event);
    return event == FL_ENTER || event == FL_MOVE ? 1 : used;   // for the headings' tooltips
}

void CueGrid::CellBox(int row, int col, int &x, int &y, int &w, int &h)
{
    find_cell(CONTEXT_CELL, row, col, x, y, w, h);
}

bool CueGrid::HeadingBox(int col, int &x, int &y, int &w, int &h)
{
    return find_cell(CONTEXT_COL_HEADER, 0, col, x, y, w, h) == 0;
}

namespace {

// A key that types a character: it starts the entry with it.
bool TypesText(int col)
{
    const char *text = Fl::event_text();
    const unsigned char first = Fl::event_length() > 0 ? (unsigned char)text[0] : 0;
    return first >= ' ' && first != 127 && !(first == ' ' && col != COL_CUE);
}

} // namespace

// The frame's keys with the table or its entry focused: Return, Tab, Escape, Space, Delete, the
// arrows, and typing.
bool CueGridKey()
{
    if (Fl::event_state(FL_CTRL | FL_ALT | FL_META))
        return false;
    const int key = Fl::event_key(), col = FrameColumn();
    if (CueEntryOpen()) {
        if (key == FL_Tab)
            TabFromCueEntry(Fl::event_state(FL_SHIFT) != 0);
        else if (key == FL_Escape)
            CloseCueEntry();
        else
            return false;
        return true;
    }
    switch (key) {
    case FL_Enter:
    case FL_KP_Enter:
        OpenCueEntry(col);
        return true;
    case ' ':
        if (col != COL_ACTIVE)
            break;
        SwitchCueActive();
        return true;
    case FL_Delete:
        ClearCueAuto(col);
        return true;
    case FL_Left:
    case FL_Right:
    case FL_Tab:
        SetFrameColumn(StepFrameColumn(col, key == FL_Left || (key == FL_Tab && Fl::event_state(FL_SHIFT)) ? -1 : 1));
        EndOperation(CueTable);
        return true;
    case FL_Up:
    case FL_Down:
        StepFrameRow(key == FL_Down ? 1 : -1);
        return true;
    }
    if (!TypesText(col) || col == COL_ACTIVE)
        return false;
    OpenCueEntry(col, Fl::event_text());
    return true;
}

// ---- rows and columns ----

void BuildCueRows(bool all)
{
    row_count = 0;
    for (int index = 0; index < INDEX_COUNT; index++)
        if (all || IsActiveCue(index))
            rows[row_count++] = index;
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
    if (IsEditableColumn(col))
        SetFrameColumn(col);
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
    EndOperation(CueTable);
}

// Scrolls the current index's row into view.
void ShowCurrentRow()
{
    const int row = FrameRow();
    if (row < 0 || keep_scroll)
        return;
    int top, bottom, left, right;
    CueTable->visible_cells(top, bottom, left, right);
    if (row < top || row >= bottom)
        CueTable->row_position(row > 3 ? row - 3 : 0);
}
