// The frame: the one cell of the cue table that typing and the keys act on. Its row is the cue
// point at the current index (moving the frame up or down moves the current index, and the
// faders window with it); its column is one of the table's columns that can be edited: "Active",
// the three time fields, the cue name and the strips of the bank. Only the frame's own keys and
// clicks on cells move it; a click on a heading leaves it where it is.
#pragma once

// The framed column of the table.
int FrameColumn();
// Frames column `col`, or the nearest column to its left that can be edited.
void SetFrameColumn(int col);
// Whether the frame can stand on column `col`.
bool IsEditableColumn(int col);
// The editable column `step` columns to the right (negative: left), stopping at the ends.
int StepFrameColumn(int col, int step);
// The table row of the frame (the current index's row), or -1 when that cue point is not shown.
int FrameRow();
// Moves the frame `step` rows down (negative: up); false when no row is there.
bool StepFrameRow(int step);
