// The effects window.
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>

#include "effects/effects_window.h"

Fl_Double_Window *EffectsWindow;
Fl_Output *NameInEffects;

Fl_Double_Window *make_window1()
{
    EffectsWindow = new Fl_Double_Window(520, 620, "Effects");
    EffectsWindow->box(FL_UP_BOX);
    EffectsWindow->color(97);
    EffectsWindow->selection_color(7);
    EffectsWindow->end();
    return EffectsWindow;
}
