// What a user does to a widget, as the toolkit does it: change the value, run the callback.
#pragma once
#include <FL/Fl_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Valuator.H>

#include "effects/effects_layout.h"

inline void Click(Fl_Button *button)
{
    button->value(!button->value());
    button->do_callback();
}

// A slider dragged to a value and released.
inline void Release(Fl_Valuator *slider, double value)
{
    slider->value(value);
    slider->do_callback();
}

inline void Spin(Fl_Spinner *spinner, double value)
{
    spinner->value(value);
    spinner->do_callback();
}

// The effects window edits channel n (the harness resets CNL, not the selectors).
inline void EditChannel(int n)
{
    if (!SelectRegularChannel->value())
        Click(SelectRegularChannel);
    Spin(RegularNum, n);
}

inline void EditSubmix(int n)
{
    Spin(GroupNum, n);
    if (!SelectGroupChannel->value())
        Click(SelectGroupChannel);
}

inline void EditMaster()
{
    if (!SelectMasterChannel->value())
        Click(SelectMasterChannel);
}
