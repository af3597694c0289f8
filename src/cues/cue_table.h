// The table widget of the cue window and what the window does with it.
#pragma once
#include <FL/Fl_Table.H>

enum { STRIP_COLUMN_WIDTH = 56 };

// Fl_Table draws through draw_cell; the events that make a click or a key an edit go to the
// free functions of the window first.
class CueGrid : public Fl_Table {
public:
    CueGrid(int x, int y, int w, int h) : Fl_Table(x, y, w, h) {}
    void CellBox(int row, int col, int &x, int &y, int &w, int &h);
    // The box of column `col`'s heading; false when it is not on screen.
    bool HeadingBox(int col, int &x, int &y, int &w, int &h);
    void RedrawRow(int row) { redraw_range(row, row, 0, cols() - 1); }

protected:
    void draw() override;
    void draw_cell(TableContext context, int row, int col, int x, int y, int w, int h) override;
    int handle(int event) override;
};

// The rows: every cue point when `all`, else only the active ones.
void BuildCueRows(bool all);
// The columns: the fixed ones and one per strip of the current bank.
void SetCueColumns(Fl_Table *table);
// The frame's keys with the table (or its entry) focused, and typing that starts the entry.
bool CueGridKey();
void CueEntryDone(Fl_Widget *, void *);
// Tab in the entry: stores, then frames the next column to the right (`back`: to the left).
void TabFromCueEntry(bool back);
bool CueEntryOpen();
// Keeps the open entry over its cell as the table scrolls.
void PlaceCueEntry();
void ShowCurrentRow();
// Draws again the rows and the plot whose content changed since the last refresh.
void RedrawChangedCues();
