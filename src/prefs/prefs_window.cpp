// The preferences window.
#include <FL/Fl_Double_Window.H>

#include "prefs/prefs.h"

Fl_Double_Window *PrefsWindow;

Fl_Double_Window *make_window3()
{
    PrefsWindow = new Fl_Double_Window(430, 375, "Preferences");
    PrefsWindow->color(97);
    PrefsWindow->labelsize(12);
    PrefsWindow->end();
    return PrefsWindow;
}
