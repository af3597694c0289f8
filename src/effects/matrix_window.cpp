// The submix and VCA matrix windows.
#include <FL/Fl_Double_Window.H>

#include "effects/matrix.h"

Fl_Double_Window *SubWindow;
Fl_Double_Window *VCAWindow;

static Fl_Double_Window *MakeMatrixWindow(const char *title)
{
    Fl_Double_Window *window = new Fl_Double_Window(460, 280, title);
    window->color(97);
    window->end();
    return window;
}

Fl_Double_Window *make_window5()
{
    return SubWindow = MakeMatrixWindow("Submix Matrix");
}

Fl_Double_Window *make_window6()
{
    return VCAWindow = MakeMatrixWindow("VCA Matrix");
}
