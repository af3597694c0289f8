// Showing the views of the mix that the journal's table names.
#pragma once
#include "state/undo_journal.h"

// Runs the refreshes of every view marked in `shown`, each refresh once.
void ShowViews(const bool (&shown)[VIEW_COUNT]);
void ShowView(MixView view);
// The names in every window (what the faders window's UpdateNames runs).
void ShowNameView();
// The window colour of the preferences, given to every window of the program.
void PaintWindows(int colour);
