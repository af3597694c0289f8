// Builds the real windows once, as start-up does, and puts the mix back to its defaults.
#pragma once

// Runs the start-up sequence of main (without the event loop) the first time;
// afterwards resets the state to its defaults and refreshes every window.
void StartVeltrane();
// Lets the toolkit process pending events (redraws, map and unmap).
void PumpEvents();
// The full path of the running test executable, for tests that start it again.
extern char TestProgram[];
