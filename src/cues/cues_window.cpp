// The "Cues" window: the "show all 512" switch and a line of help above the cue table, and the
// plot of one strip below it. Built once at start-up and hidden; it refreshes after every edit.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Float_Input.H>

#include <cstdio>
#include <cstring>

#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/callback.h"
#include "state/position.h"

Fl_Double_Window *CuesWindow;
Fl_Check_Button *ShowAllCues;

Fl_Widget *MakeCuePlot(int x, int y, int w, int h);

namespace {

const Fl_Color LABEL_COLOR = 175;   // pale yellow on the window colour, as in the faders window
// The table's fixed columns and thirteen strips fit without scrolling sideways.
const int WIDTH = 1252, HEIGHT = 900, MARGIN = 8;
const int TABLE_TOP = 36, TABLE_HEIGHT = 524, PLOT_TOP = TABLE_TOP + TABLE_HEIGHT + 8;

Fl_Box *summary;
int shown_index = -1, shown_rows = -1;

void UpdateSummary()
{
    char summary_text[256];
    const int index = CurrentIndex();
    int active = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        active += IsActiveCue(i);
    snprintf(summary_text, sizeof summary_text,
             "Bank %d  |  cue point %d%s  |  %d active  |  Page Down/Up: next/previous active cue point, "
             "Ctrl+Page Down/Up: bank  |  double click or Return: edit a volume, Delete: auto off",
             CurrentBank(), index + 1, IsActiveCue(index) ? "" : " (not active)", active);
    if (strcmp(summary_text, summary->label() ? summary->label() : "") != 0) {
        summary->copy_label(summary_text);
        summary->redraw_label();
    }
}

} // namespace

void RefreshCues()
{
    BuildCueRows(ShowAllCues->value() != 0);
    if (CueTable->rows() != CueRowCount())
        CueTable->rows(CueRowCount());
    SetCueColumns(CueTable);
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

    summary = new Fl_Box(MARGIN + 124, 8, WIDTH - 2 * MARGIN - 124, 22);
    summary->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    summary->labelsize(12);
    summary->labelcolor(LABEL_COLOR);

    CueGrid *grid = new CueGrid(MARGIN, TABLE_TOP, WIDTH - 2 * MARGIN, TABLE_HEIGHT);
    grid->col_header(1);
    grid->col_header_height(36);
    grid->row_height_all(20);
    grid->col_resize(0);
    grid->row_resize(0);
    grid->color(FL_WHITE);
    CueEntry = new Fl_Float_Input(0, 0, 0, 0);
    CueEntry->hide();
    CueEntry->textsize(12);
    CueEntry->when(FL_WHEN_ENTER_KEY_ALWAYS | FL_WHEN_RELEASE_ALWAYS);
    CueEntry->callback(Callback<CueEntryDone>);
    grid->end();
    CueTable = grid;

    CuePlot = MakeCuePlot(MARGIN, PLOT_TOP, WIDTH - 2 * MARGIN, HEIGHT - PLOT_TOP - MARGIN);
    CuesWindow->end();

    RefreshCues();
    return CuesWindow;
}
