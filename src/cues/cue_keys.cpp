// Keyboard travel between cue points and banks, and the keys that show and hide the cue window.
// CueKeys sees every key before the focused widget does (a text field would take Page Down as a
// cursor move and Ctrl+L as a typed character); each key acts only in the windows it belongs to.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
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

// Typing not yet stored in the focused field is stored first, as when the field is left: the
// field shows the new cue point afterwards, and the typing would otherwise be lost.
void StoreTyping()
{
    Fl_Widget *field = Fl::focus();
    if (!dynamic_cast<Fl_Input_ *>(field))
        return;
    Fl::focus(field->window());
    if (field->visible_r())
        Fl::focus(field);
}

} // namespace

bool NextCuePoint() { return GoToCue(NextActiveCue(CurrentIndex())); }
bool PreviousCuePoint() { return GoToCue(PreviousActiveCue(CurrentIndex())); }
bool NextBank() { return GoToBankIfAny(CurrentBank() + 1); }
bool PreviousBank() { return GoToBankIfAny(CurrentBank() - 1); }

bool CueKeys(int event, const Fl_Window *window)
{
    if (event != FL_KEYBOARD || Fl::event_state(FL_ALT | FL_META))
        return false;
    const bool travel = window == FadersWindow || window == CuesWindow;
    const bool ctrl = Fl::event_state(FL_CTRL) != 0;
    switch (Fl::event_key()) {
    case 'l':
        if (!ctrl || !(travel || window == ControlWindow))
            return false;
        Fl::event_state(FL_SHIFT) ? HideCues() : ShowCues();
        return true;
    case FL_Page_Down:
    case FL_Page_Up: {
        if (!travel)
            return false;
        StoreTyping();
        const bool down = Fl::event_key() == FL_Page_Down;
        if (ctrl)
            down ? NextBank() : PreviousBank();
        else
            down ? NextCuePoint() : PreviousCuePoint();
        return true;
    }
    default:
        return false;
    }
}
