// Keyboard travel between cue points and banks, and the keys that show and hide the cue window.
// The keys reach CueKeys as shortcuts that no widget took, in any window; each acts only in the
// windows it belongs to.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Spinner.H>

#include "app/control.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "faders/bank.h"
#include "faders/faders.h"

void GoToCuePoint(int index)
{
    if (!IsIndex(index) || index == CurrentIndex())
        return;
    TimeIndex->value(index + 1);
    TimeIndex->do_callback();
}

void GoToBank(int bank)
{
    if (bank < 1 || bank > BANK_COUNT || bank == CurrentBank())
        return;
    Bank->value(bank);
    Bank->do_callback();
}

namespace {

bool GoToCue(int index)
{
    if (index < 0)
        return false;
    GoToCuePoint(index);
    return true;
}

bool GoToBankIfAny(int bank)
{
    if (bank < 1 || bank > BANK_COUNT)
        return false;
    GoToBank(bank);
    return true;
}

// The window that has the keyboard.
Fl_Window *KeyWindow()
{
    return Fl::focus() ? Fl::focus()->top_window() : Fl::first_window();
}

} // namespace

bool NextCuePoint() { return GoToCue(NextActiveCue(CurrentIndex())); }
bool PreviousCuePoint() { return GoToCue(PreviousActiveCue(CurrentIndex())); }
bool NextBank() { return GoToBankIfAny(CurrentBank() + 1); }
bool PreviousBank() { return GoToBankIfAny(CurrentBank() - 1); }

int CueKeys(int event)
{
    if (event != FL_SHORTCUT || Fl::event_state(FL_ALT | FL_META))
        return 0;
    const Fl_Window *window = KeyWindow();
    const bool travel = window == FadersWindow || window == CuesWindow;
    const bool ctrl = Fl::event_state(FL_CTRL) != 0;
    switch (Fl::event_key()) {
    case 'l':
        if (!ctrl || !(travel || window == ControlWindow))
            return 0;
        Fl::event_state(FL_SHIFT) ? HideCues() : ShowCues();
        return 1;
    case FL_Page_Down:
        if (!travel)
            return 0;
        ctrl ? NextBank() : NextCuePoint();
        return 1;
    case FL_Page_Up:
        if (!travel)
            return 0;
        ctrl ? PreviousBank() : PreviousCuePoint();
        return 1;
    default:
        return 0;
    }
}
