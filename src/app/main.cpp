#include <FL/Fl.H>

#include "app/control.h"
#include "app/status.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

int main()
{
    SetStatus("%s", VersionLine);
    ClearInternalArrays();
    make_window1();
    make_window2();
    make_window3();
    make_window5();
    make_window6();
    make_window7();
    make_window4();
    UpdateGUI();
    return Fl::run();
}
