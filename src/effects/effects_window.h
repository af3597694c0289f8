// The effects window (one slot's twelve effect blocks) and the reverb window.
#pragma once
class Fl_Button;
class Fl_Double_Window;
class Fl_Output;

extern Fl_Double_Window *EffectsWindow;
extern Fl_Double_Window *ReverbWindow;
extern Fl_Output *NameInEffects;
extern Fl_Button *EffectsMixButton;

Fl_Double_Window *make_window1();
Fl_Double_Window *make_window7();

// The effects and reverb part of the full refresh: the blocks of slot CNL and all reverb settings.
void UpdateEffectsWindows();
// Shows the name of the slot being edited, as the selectors choose it.
void RefreshEffectsName();
