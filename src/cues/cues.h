// The cue overview window: a table of the cue points with the volumes of the faders window's
// current bank, a plot of one strip's volume over time, and keyboard travel between cue points.
// It follows every edit (FollowEdits) and reads the mix state directly; it keeps no copy of it.
#pragma once
class Fl_Check_Button;
class Fl_Double_Window;
class Fl_Float_Input;
class Fl_Table;
class Fl_Widget;
class Fl_Window;

extern Fl_Double_Window *CuesWindow;
extern Fl_Table *CueTable;
extern Fl_Widget *CuePlot;
extern Fl_Check_Button *ShowAllCues;   // "show all 512": every cue point, not only the active ones
extern Fl_Float_Input *CueEntry;       // the volume entry opened over a strip's cell

// The slot whose volume the plot shows (chosen by clicking a strip's column heading).
extern int PlotSlot;

Fl_Double_Window *make_window8();
void ShowCues();
void HideCues();
// Reads the state again: rows, strip columns of the current bank, the plot. Runs after every edit.
void RefreshCues();

// ---- the rows and columns of the table ----

int CueRowCount();
// The 0-based cue point shown in `row`, or -1.
int CueRowIndex(int row);
// The row showing cue point `index`, or -1 when it is not shown.
int CueRowOf(int index);
// The text shown in a cell: the volume as faders.txt writes it where the strip is automated.
void CueCellText(int row, int col, char *text, int size);
// The slot of a strip column of the current bank, or -1 for the other columns.
int CueColumnSlot(int col);
// The column showing `slot` in the current bank, or -1.
int CueColumnOf(int slot);

// ---- edits from the table; each clears the status line and ends at EditEnded ----

// A click on a cell makes its row the faders window's current index, as typing it would.
void ClickCueCell(int row, int col);
// A click on a strip's heading chooses the strip that the plot shows.
void ClickCueHeading(int col);
// Opens the entry over the current index's cell of column `col` (a strip column).
void OpenCueEntry(int col);
// Return in the entry: stores the typed volume and switches "auto" on, when the value is a
// number within -144..12; otherwise stores nothing. Closes the entry either way.
void StoreCueEntry();
// Escape, or leaving the entry: closes it and stores nothing.
void CloseCueEntry();
// Delete: switches "auto" off for column `col` at the current index.
void ClearCueAuto(int col);
