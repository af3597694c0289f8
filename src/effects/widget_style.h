// The common look of the effect controls, and the on/off encoding of their flags.
#pragma once
#include <FL/Fl_Widget.H>

class Fl_Button;
class Fl_Value_Slider;

enum { TOGGLE_HEIGHT = 20, SHORT_TOGGLE_HEIGHT = 19 };

struct SliderSpec {
    Fl_Value_Slider **widget;         // the global that receives it
    const char *label;
    int y;
    double minimum, maximum, step;
};

// Horizontal value slider, 100 x 20, small label below, showing `value`; runs its callback on
// release.
Fl_Value_Slider *MakeEffectSlider(int x, const SliderSpec &row, double value, Fl_Callback *callback,
                                  void *data);
// Round toggle button, 100 wide, lit in colour 229 when on.
Fl_Button *MakeEffectToggle(int x, int y, int h, const char *label, Fl_Callback *callback,
                            void *data);

// A stored flag is on when it truncates to a non-zero integer (1.0, 2.0, -1.0 are on;
// 0.5 is off). Not-a-number counts as off, as it does for the file writer.
bool FlagIsOn(float flag);
// A toggle's state as a stored flag: 1.0 or 0.0.
float FlagOf(const Fl_Button *toggle);
