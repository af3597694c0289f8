// The control window, the whole-program refresh and the store / recall / mix operations.
#pragma once
class Fl_Double_Window;
class Fl_Output;

extern Fl_Double_Window *ControlWindow;
extern Fl_Output *TextResponse;

extern const char VersionLine[];

// Everything main does before the event loop.
void StartUp();

Fl_Double_Window *make_window4();

void ShowFaders();
void HideFaders();
void ShowEffects();
void HideEffects();
void ShowReverb();
void HideReverb();
void ShowSubs();
void HideSubs();
void ShowVCAs();
void HideVCAs();
void ShowPrefs();
void HidePrefs();
void ProgramExit();

// Copies the whole mix state into every window.
void UpdateGUI();

// Recalls with their window refreshes.
void StageReadFromFile();
void ReadTracksFile();
void ReadPreferencesFile();

// "Store Track Names": the store, then the faders window shows the names and mutes it set.
bool StoreTrackNames();

// Store All, Recall All and the mix launch.
bool SaveAll();
void RecallAll();
void Mix();

// "Revert All": the mix exactly as the three files hold it (the start-up state, then Recall
// All). Refused, with the mix unchanged, when faders.txt is missing or a file cannot be
// read whole. KeepStartUpState takes the state it starts from, once at start-up.
void RevertAll();
void KeepStartUpState();
