// The "Cues" window: a top bar with the "show all 512" switch, where the window stands and the
// status line's message; below it the cue table and the plot of one strip, with a border
// between them that the mouse drags. Built once at start-up and hidden; it fits a 1366 x 768
// screen, grows with its window, and refreshes after every edit.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Tile.H>

#include <cstdio>
#include <cstring>

#include "cues/cue_block.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/callback.h"
#include "state/position.h"
#include "state/status_message.h"

Fl_Double_Window *CuesWindow;
Fl_Check_Button *ShowAllCues;
Fl_Output *CueMessage;

Fl_Widget *MakeCuePlot(int x, int y, int w, int h);

namespace {

const Fl_Color LABEL_COLOR = 175;   // pale yellow on the window colour, as in the faders window
// The table's fixed columns and thirteen strips fit without scrolling sideways, and the window
// fits a 1366 x 768 screen with its frame.
const int WIDTH = 1252, HEIGHT = 700, MARGIN = 8, BAR_HEIGHT = 22, SUMMARY_WIDTH = 470;
const int TABLE_TOP = 36, TABLE_HEIGHT = 430, ROW_HEIGHT = 20;
const int TILE_HEIGHT = HEIGHT - TABLE_TOP - MARGIN, TILE_WIDTH = WIDTH - 2 * MARGIN;
// The border between table and plot stays where both keep a useful height.
const int LEAST_TABLE = 120, LEAST_PLOT = 170;

Fl_Box *summary;
int shown_index = -1, shown_rows = -1;

void UpdateSummary()
{
    char summary_text[256];
    const int index = CurrentIndex();
    int active = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        active += IsActiveCue(i);
    char selection[80];
    CueSelectionText(selection, sizeof selection);
    // The hint gives way to the selection's count, which the bar has no room for beside it.
    snprintf(summary_text, sizeof summary_text, "%s%sBank %d  |  cue point %d%s  |  %d active%s", selection,
             selection[0] ? "  |  " : "", CurrentBank(), index + 1, IsActiveCue(index) ? "" : " (not active)", active,
             selection[0] ? "" : "  |  right click: cue point menu");
    if (strcmp(summary_text, summary->label() ? summary->label() : "") != 0) {
        summary->copy_label(summary_text);
        summary->redraw_label();
    }
}

void ShowMessage(const char *text)
{
    CueMessage->value(text);
}

} // namespace

void RefreshCues()
{
    BuildCueRows(ShowAllCues->value() != 0);
    if (CueTable->rows() != CueRowCount()) {
        CueTable->rows(CueRowCount());
        CueTable->row_height_all(ROW_HEIGHT);   // new rows would take the toolkit's 25
    }
    SetCueColumns(CueTable);
    KeepCueSelection();
    ReadShownLevels();
    if (CurrentIndex() != shown_index || CueRowCount() != shown_rows) {
        if (CueEntry->visible())
            CloseCueEntry();
        ShowCurrentRow();
        shown_index = CurrentIndex();
        shown_rows = CueRowCount();
    }
    UpdateSummary();
    RedrawChangedCues();
}

void ShowCues()
{
    RefreshCues();
    CuesWindow->show();
}

void HideCues()
{
    CuesWindow->hide();
}

Fl_Double_Window *make_window8()
{
    CuesWindow = new Fl_Double_Window(WIDTH, HEIGHT, "Cues");
    CuesWindow->color(97);

    ShowAllCues = new Fl_Check_Button(MARGIN, 8, 112, 22, "show all 512");
    ShowAllCues->labelsize(12);
    ShowAllCues->labelcolor(LABEL_COLOR);
    // The switch changes no state: the refresh that ends every operation reads it.
    ShowAllCues->callback(Callback<RefreshCues>);

    summary = new Fl_Box(MARGIN + 124, 8, SUMMARY_WIDTH, BAR_HEIGHT);
    summary->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    summary->labelsize(12);
    summary->labelcolor(LABEL_COLOR);

    const int message_x = MARGIN + 124 + SUMMARY_WIDTH + 8;
    CueMessage = new Fl_Output(message_x, 8, WIDTH - MARGIN - message_x, BAR_HEIGHT);
    CueMessage->textsize(12);
    CueMessage->visible_focus(0);
    AddStatusDisplay(ShowMessage);

    MakeCueMenu();
    Fl_Tile *tile = new Fl_Tile(MARGIN, TABLE_TOP, TILE_WIDTH, TILE_HEIGHT);
    CueGrid *grid = new CueGrid(MARGIN, TABLE_TOP, TILE_WIDTH, TABLE_HEIGHT);
    grid->col_header(1);
    grid->col_header_height(36);
    grid->row_height_all(ROW_HEIGHT);
    grid->col_resize(0);
    grid->row_resize(0);
    grid->color(FL_WHITE);
    CueEntry = new Fl_Input(0, 0, 0, 0);
    CueEntry->hide();
    CueEntry->textsize(12);
    CueEntry->when(FL_WHEN_ENTER_KEY_ALWAYS | FL_WHEN_RELEASE_ALWAYS);
    CueEntry->callback(Callback<CueEntryDone>);
    grid->end();
    CueTable = grid;

    CuePlot = MakeCuePlot(MARGIN, TABLE_TOP + TABLE_HEIGHT, TILE_WIDTH, TILE_HEIGHT - TABLE_HEIGHT);
    Fl_Box *limits = new Fl_Box(MARGIN, TABLE_TOP + LEAST_TABLE, TILE_WIDTH,
                                TILE_HEIGHT - LEAST_TABLE - LEAST_PLOT);
    limits->box(FL_NO_BOX);
    tile->resizable(limits);
    tile->end();
    CuesWindow->end();
    CuesWindow->resizable(tile);
    CuesWindow->size_range(640, TABLE_TOP + LEAST_TABLE + LEAST_PLOT + MARGIN);

    RefreshCues();
    return CuesWindow;
}
