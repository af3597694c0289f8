#include <FL/Fl.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Window.H>

#include "app/control.h"
#include "cues/cues.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

namespace {

// A focused text field would take Ctrl+M as a carriage return typed into its path or
// command (and so into prefs.txt). Ctrl+M is the Mix shortcut: it goes to the shortcuts.
// The cue window's keys (Ctrl+L, the Page keys) come before any widget in the same way.
int KeepCtrlMForMix(int event, Fl_Window *window)
{
    if (CueKeys(event, window))
        return 1;
    if (event == FL_KEYBOARD && Fl::event_state(FL_CTRL) && Fl::event_key() == 'm' &&
        dynamic_cast<Fl_Input_ *>(Fl::focus()))
        return Fl::handle_(FL_SHORTCUT, window);
    return Fl::handle_(event, window);
}

} // namespace

// The state takes its defaults, the seven windows are built in their fixed order (only
// the control window is shown), then the cue window and every widget is filled from the state.
void StartUp()
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
    make_window8();
    UpdateGUI();
    Fl::event_dispatch(KeepCtrlMForMix);
}
