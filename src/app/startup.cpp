#include <FL/Fl.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Window.H>

#include "app/control.h"
#include "app/undo.h"
#include "cues/cues.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "effects/slider_entry.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"
#include "state/undo_journal.h"

namespace {

// The undo and redo keys and the cue window's keys (Ctrl+L, the Page keys) are taken first,
// in every window, before any widget. A focused text field would take Ctrl+M as a carriage
// return typed into its path or command (and so into prefs.txt). Ctrl+M is the Mix
// shortcut: it goes to the shortcuts.
int KeepCtrlMForMix(int event, Fl_Window *window)
{
    if (TakeUndoKey(event) || CueKeys(event, window))
        return 1;
    if (event == FL_KEYBOARD && Fl::event_state(FL_CTRL) && Fl::event_key() == 'm' &&
        dynamic_cast<Fl_Input_ *>(Fl::focus()))
        return Fl::handle_(FL_SHORTCUT, window);
    return Fl::handle_(event, window);
}

// An Escape that no widget takes closes the window it was typed in (the toolkit's
// default): the control window would take the program with it, unsaved. Here no window of
// the program closes on Escape; a dialog over them (the file chooser, modal) still
// cancels on it, and closing a window through the window manager still hides it.
int KeepWindowsOpenOnEscape(int event)
{
    return event == FL_SHORTCUT && Fl::event_key() == FL_Escape && !Fl::modal();
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
    KeepStartUpState();
    JournalStart();
    Fl::event_dispatch(KeepCtrlMForMix);
    InstallSliderEntry();
    Fl::add_handler(KeepWindowsOpenOnEscape);
}
