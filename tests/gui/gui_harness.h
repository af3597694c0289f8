// Builds the real windows once, as start-up does, and puts the mix back to its defaults.
#pragma once
class Fl_Window;

// Runs the start-up sequence of main (without the event loop) the first time;
// afterwards resets the state to its defaults and refreshes every window.
void StartVeltrane();
// Lets the toolkit process pending events (redraws, map and unmap).
void PumpEvents();
// The full path of the running test executable, for tests that start it again.
extern char TestProgram[];
// A key as the toolkit delivers it to `window` (its focused widget first, then the
// shortcuts), with the text it types and the modifier state.
void PressKey(Fl_Window *window, int keysym, const char *text = "", int state = 0);

// A fresh scratch working directory for the test body; the old one is entered again and the
// scratch one removed at the end.
struct ScratchDirectory {
    ScratchDirectory();
    ~ScratchDirectory();
    char path[64];
    char old[4096];
};
