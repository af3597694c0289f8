// The reverb window.
#include <FL/Fl_Double_Window.H>

#include "effects/effects_window.h"

Fl_Double_Window *ReverbWindow;

Fl_Double_Window *make_window7()
{
    ReverbWindow = new Fl_Double_Window(410, 255, "Reverb");
    ReverbWindow->color(97);
    ReverbWindow->end();
    return ReverbWindow;
}
