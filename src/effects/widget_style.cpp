#include "effects/widget_style.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Value_Slider.H>

#include <cmath>

enum { CONTROL_WIDTH = 100, SLIDER_HEIGHT = 20, LABEL_COLOR = 215 };

Fl_Value_Slider *MakeEffectSlider(int x, const SliderSpec &row, double value, Fl_Callback *callback,
                                  void *data)
{
    Fl_Value_Slider *slider = new Fl_Value_Slider(x, row.y, CONTROL_WIDTH, SLIDER_HEIGHT, row.label);
    slider->type(FL_HOR_SLIDER);
    slider->labelsize(10);
    slider->labelcolor(LABEL_COLOR);
    slider->range(row.minimum, row.maximum);
    slider->step(row.step);
    slider->value(value);
    slider->callback(callback, data);
    slider->when(FL_WHEN_RELEASE);
    *row.widget = slider;
    return slider;
}

Fl_Button *MakeEffectToggle(int x, int y, int h, const char *label, Fl_Callback *callback,
                            void *data)
{
    Fl_Button *toggle = new Fl_Button(x, y, CONTROL_WIDTH, h, label);
    toggle->type(FL_TOGGLE_BUTTON);
    toggle->box(FL_ROUND_UP_BOX);
    toggle->down_box(FL_ROUND_DOWN_BOX);
    toggle->selection_color(229);
    toggle->labelsize(11);
    toggle->callback(callback, data);
    return toggle;
}

bool FlagIsOn(float flag)
{
    // Truncation toward zero gives a non-zero integer exactly when |flag| >= 1; comparing
    // avoids converting huge or not-a-number values to int, which is undefined.
    return std::fabs(flag) >= 1.0f;
}

float FlagOf(const Fl_Button *toggle)
{
    return toggle->value() ? 1.0f : 0.0f;
}
