#include <FL/Fl.H>
#include <FL/Fl_Button.H>

#include "app/control.h"
#include "app/edit_end.h"
#include "app/keys.h"
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

// The state takes its defaults, the seven windows are built in their fixed order (only
// the control window is shown), then the cue window and every widget is filled from the state.
void StartUp()
{
    SetOperationEnd(EditEnded);
    SetNamedOperationEnd(EditEndedAs);
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
    // The Mix buttons of the other windows run the mix of the app.
    // Constant pointers to buttons whose callback is set here.
    // cppcheck-suppress constVariable
    Fl_Button *const mix_buttons[] = {MixButton3, EffectsMixButton, MixButton};
    for (Fl_Button *mix : mix_buttons)
        mix->callback(Callback<Mix>);
    UpdateGUI();
    KeepStartUpState();
    JournalStart();
    InstallKeys();
    InstallSliderEntry();
}
