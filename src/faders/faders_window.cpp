// The faders window.
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Spinner.H>

#include "faders/faders.h"

Fl_Double_Window *FadersWindow;
Fl_Spinner *TimeIndex;
Fl_Spinner *Bank;

Fl_Double_Window *make_window2()
{
    FadersWindow = new Fl_Double_Window(620, 575, "Faders");
    FadersWindow->color(97);
    FadersWindow->end();
    return FadersWindow;
}
