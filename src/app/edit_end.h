// The one point where every widget callback and every menu operation ends. The callback
// adapters (app/callback.h) call EditEnded after the operation has run, so no operation has
// to remember it; the windows that follow the mix hang on it with FollowEdits.
#pragma once
class Fl_Widget;

// `source` is the widget whose callback ran (for a menu item, its menu button), or nullptr.
// Records what the operation changed as one undo step, lets every window show again the
// tables that changed, then runs the followers.
void EditEnded(Fl_Widget *source);
// The same for an operation that names its own step ("insert cue point 16").
void EditEndedAs(const char *operation);

// `refresh` runs after every operation (and after every undo and redo), in the order of
// registration; it reads the state and shows what changed.
void FollowEdits(void (*refresh)());

// The end of an undo or redo: records nothing (the history itself moved), every window shows
// the restored mix, then the followers run.
void HistoryMoved();
