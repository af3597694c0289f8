// The selected strip cells of the cue table and what is done to all of them at once: the
// typed set or relative edit, nudges, "auto" off, fill down, interpolation, copy, cut and paste
// through the clipboard. Each edit is one undo step named by what it did, and reports its
// counts in the status line. With nothing selected, an edit takes the framed cell.
#pragma once
#include "state/cell_selection.h"

// Rows are the table's rows, columns its strip columns counted from 0.
extern CellSelection CueSelection;

// How a click, a drag or a key with Shift changes the selection.
enum SelectHow { SELECT_NEW, SELECT_ADD, SELECT_EXTEND };
// The cell at (row, strip column): a new selection, one added with Ctrl, or the newest one
// stretched to it. The frame's cell starts a selection that Ctrl or Shift makes from nothing.
void SelectCueCells(int row, int strip_col, SelectHow how);
// Rows `from`..`to` of every strip column; a strip column's every row; every shown cell.
void SelectCueRows(int from, int to, SelectHow how);
void SelectCueColumn(int strip_col, SelectHow how);
void SelectAllCues();
void ClearCueSelection();
// Marks the cue points of the rows selected whole (every strip of the row); returns how many.
int MarkSelectedRows(bool (&marked)[INDEX_COUNT]);
// Whether a cell is drawn selected: only a selection of more than one cell is shown as one.
bool CueCellSelected(int row, int strip_col);
// "9 cells over 3 cue points selected", or empty for no selection.
void CueSelectionText(char *text, int size);

// Text typed in the entry over the selection: a volume sets it, "+=2", "+2", "-=2" move it,
// and the entry closes. False, with the forms in the status line, for any other text. On one
// cell that carries the level of a cue point before it, a move starts from that level.
bool TypeOverCueSelection(const char *text);
// Whether more than one cell is selected: the edits then act on the selection.
bool CueSelectionShown();
// Ctrl(+Shift)+Up/Down: a run of them with nothing between is one undo step.
void NudgeCueSelection(double dB);
void CueSelectionAutoOff();
void FillCueSelectionDown();
void InterpolateCueSelection();
// Copies the selection (one rectangle) to the clipboard as tab-separated text; `cut` then
// switches its "auto" off.
void CopyCueSelection(bool cut);
// Pastes such a text at the frame (how the table's paste event and the tests hand it over).
void PasteCueText(const char *text, int length);

// The level in force of every shown strip at every cue point, read again at each refresh, for
// the dim values of cells whose strip is not automated.
void ReadShownLevels();
bool ShownLevel(int col, int index, float *level);

// The refresh keeps the selection only while the bank and the shown rows stay the same.
void KeepCueSelection();

// ---- the keys of the selection: rows of the key table ----

bool CueEntryOpen();
// A key of the table acts only while no entry is open: there it edits the typing (Ctrl+C,
// Shift+Left) or means nothing.
template <void (*Operation)()> bool OnCueTable()
{
    if (CueEntryOpen())
        return false;
    Operation();
    return true;
}
// Ctrl(+Shift)+Up/Down: a nudge of `Tenths` tenths of a dB.
template <int Tenths> void NudgeCues() { NudgeCueSelection(Tenths / 10.0); }
// Shift+arrows: the far corner of the newest rectangle (from the frame) one row or strip on.
void StretchCueSelection(int rows, int cols);
template <int Rows, int Cols> void StretchCues() { StretchCueSelection(Rows, Cols); }
template <bool Cut> void CopyCues() { CopyCueSelection(Cut); }
// Ctrl+V: asks for the clipboard, whose text arrives as the table's paste event.
void PasteCueClipboard();
// Delete on a selection of several cells; false (the key goes on to the framed cell) otherwise.
bool AutoOffCueSelection();
// A move of the frame without Shift leaves the selection (the table's arrows and Tab).
void LeaveCueSelection();
// A push, drag or release on a cell (`cell`) or a heading of column `col`: true when the
// selection took the event whole.
bool CueSelectionMouse(int event, int cell, int row, int col);
