// The one point where every widget callback, menu operation and key ends. The app installs it
// as the end of the callback adapters (state/callback.h), which reach it after the operation has
// run, so no operation has to remember it; the windows that follow the mix (the cue window) are
// hung on it with FollowEdits.
#pragma once
class Fl_Widget;

// `source` is the widget whose callback ran (for a menu item, its menu button), or nullptr.
// Records what the operation changed as one undo step, shows again the views of the tables
// that changed (app/views.cpp), lets the faders window follow a moved position, then runs the
// followers.
void EditEnded(Fl_Widget *source);

// `refresh` runs after every operation (and after every undo and redo), in the order of
// registration; it reads the state and shows what changed.
void FollowEdits(void (*refresh)());

// The end of an undo or redo: records nothing (the history itself moved), every window shows
// the restored mix, then the followers run.
void HistoryMoved();
