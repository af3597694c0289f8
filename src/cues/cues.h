// The cue overview window: a table of the cue points with the volumes of the faders window's
// current bank, a plot of one strip's volume over time, and keyboard travel between cue points.
// It follows every edit (FollowEdits) and reads the mix state directly; it keeps no copy of it.
#pragma once
class Fl_Check_Button;
class Fl_Double_Window;
class Fl_Input;
class Fl_Menu_Button;
class Fl_Output;
class Fl_Table;
class Fl_Widget;
class Fl_Window;

extern Fl_Double_Window *CuesWindow;
extern Fl_Table *CueTable;
extern Fl_Widget *CuePlot;
extern Fl_Check_Button *ShowAllCues;   // "show all 512": every cue point, not only the active ones
extern Fl_Input *CueEntry;             // the entry opened over the framed cell
extern Fl_Output *CueMessage;          // the status line's message, in the top bar

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

// A click on a cell frames it: its row becomes the faders window's current index, as typing
// it would, and an editable column becomes the framed one.
void ClickCueCell(int row, int col);
// A click on a strip's heading chooses the strip that the plot shows; the frame stays.
void ClickCueHeading(int col);
// Frames the current index's cell of column `col` and opens the entry over it, starting with
// the stored value or with `typed`. On "Active" it switches the flag instead.
void OpenCueEntry(int col, const char *typed = nullptr);
// Stores the entry's text by its column's rule: a volume from -144 to 12 (and "auto" on), a
// time field any number, a cue name cut to 63 characters on one line. A refused value is not
// stored and the status line says why. Closes the entry either way; true when stored.
bool StoreCueEntry();
// Escape, or leaving the entry: closes it and stores nothing.
void CloseCueEntry();
// Delete: switches "auto" off for column `col` at the current index.
void ClearCueAuto(int col);
// Space on "Active": switches the current index's flag.
void SwitchCueActive();

// ---- whole cue points (cue_point_ops.cpp): each one undo step, then the frame follows ----

// Insert: a new active cue point after the framed one, its name cell framed.
void InsertCuePoint();
// Ctrl+Insert: the same with a copy of the framed cue point's strips.
void InsertCuePointCopy();
// Ctrl+Delete: removes the framed cue point.
void RemoveCuePoint();
// Ctrl+T: the active cue points in time order.
void SortCuePoints();
// The menu of these operations (a right click in the table), at the mouse. It carries their
// keys as its shortcuts, given by the key table.
extern Fl_Menu_Button *CueMenu;
Fl_Menu_Button *MakeCueMenu();
void PopUpCueMenu();
