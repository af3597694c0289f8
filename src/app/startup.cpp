#include <FL/Fl.H>
#include <FL/Fl_Button.H>

#include "app/control.h"
#include "app/edit_end.h"
#include "app/keys.h"
#include "app/views.h"
#include "cues/cues.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "effects/slider_entry.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "prefs/prefs.h"
#include "state/callback.h"
#include "state/mix_state.h"
#include "state/undo_journal.h"

namespace {

// What the windows leave to the app, which alone knows them all: the Mix buttons run the mix,
// and the faders window's "*" buttons open the file chooser of the preferences' choosers.
void ConnectButtons()
{
    // Constant pointers to buttons whose callback is set here.
    // cppcheck-suppress constVariable
    Fl_Button *const mix_buttons[] = {MixButton3, EffectsMixButton, MixButton};
    for (Fl_Button *mix : mix_buttons)
        mix->callback(Callback<Mix>);
    for (int strip = 1; strip <= CHANNEL_STRIPS; strip++)
        (*BrowseStrip[strip - 1])->callback(Callback<ChooseFile>, NumberData(strip));
}

} // namespace

// The app's hooks are installed (the end of every operation, the window colour, the names in
// every window), the state takes its defaults, the seven windows are built in their fixed order
// (only the control window is shown), then the cue window; every widget is filled from the
// state, and last the keys and the sliders' entry are installed.
void StartUp()
{
    SetOperationEnd(EditEnded);
    SetWindowPainter(PaintWindows);
    SetNameView(ShowNameView);
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
    FollowEdits(RefreshCues);
    ConnectButtons();
    UpdateGUI();
    KeepStartUpState();
    JournalStart();
    InstallKeys();
    InstallSliderEntry();
}
