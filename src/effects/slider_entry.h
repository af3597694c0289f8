// Typing an exact value into any slider of the effects and reverb windows: a double click on
// the slider, or Return while it has the keyboard focus, opens one small entry over its value
// box. Return, Tab or a click elsewhere stores the typed number as if the slider had been
// moved there and released; Escape closes the entry and stores nothing.
#pragma once
class Fl_Input;
class Fl_Value_Slider;

// The one entry; it belongs to the slider's window only while it is open.
extern Fl_Input *SliderEntry;

// After the windows are built: gives every effect and reverb slider its tooltip (name, range)
// and hooks the entry into the event dispatch, ahead of whatever dispatch is installed.
void InstallSliderEntry();

// The slider the entry is open over, or nullptr when it is closed.
Fl_Value_Slider *SliderEntryTarget();
