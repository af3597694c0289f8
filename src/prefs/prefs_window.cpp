// The preferences window: output and preview settings, the engine's and the mix's
// directories, the launch command and the window colour. Built from one table in
// creation order; every control stores its value into the mix state when it changes.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include "state/callback.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

Fl_Double_Window *PrefsWindow;

Fl_Round_Button *PreOn, *PreOff;
Fl_Value_Input *Preview_Min, *Preview_Sec, *Preview_Msec, *Preview_Length;
Fl_Value_Input *Xin_Min, *Xin_Sec, *Xin_Msec;
Fl_Value_Input *Xout_Min, *Xout_Sec, *Xout_Msec;
Fl_Value_Input *head, *tail, *panlaw;
Fl_Button *MixButton;
Fl_Input *PathDisplay, *WavDirDisplay, *MixDirDisplay, *LaunchDisplay;
Fl_Round_Button *outbits16button, *outbits24button, *monobutton;
Fl_Button *browseD1, *browseD2, *browseD3;
Fl_Spinner *dither, *bgcolor;

namespace {

enum Kind { ROUND, VALUE, MIX, TEXT, BROWSE, SPINNER };

// Creates the widget, stores it in its global and hands it back for the common settings.
template <class Widget, Widget **global>
Fl_Widget *Create(int x, int y, int w, int h, const char *label)
{
    *global = new Widget(x, y, w, h, label);
    return *global;
}

struct PrefsControl {
    Kind kind;
    Fl_Widget *(*create)(int x, int y, int w, int h, const char *label);
    int x, y, w, h;
    const char *label;
    double maximum, step, value;   // value inputs and spinners; a round button's value is its state
    int colour;                    // 0: the toolkit's default
    Fl_Callback *callback;
};

const double ANY = 9999;

const PrefsControl prefs_controls[] = {
    {ROUND, Create<Fl_Round_Button, &PreOn>, 59, 26, 70, 15, "Preview Mode On", 0, 0, 0, 0, Callback<PreviewOnSwitch>},
    {ROUND, Create<Fl_Round_Button, &PreOff>, 282, 26, 70, 15, "Preview Mode Off", 0, 0, 1, 0, Callback<PreviewOffSwitch>},
    {VALUE, Create<Fl_Value_Input, &Preview_Min>, 60, 57, 30, 20, "Start", ANY, 0.1, 0, 0, Callback<PreviewToArray>},
    {VALUE, Create<Fl_Value_Input, &Preview_Length>, 60, 87, 40, 20, "Length", ANY, 0.1, 0, 0, Callback<PreviewToArray>},
    {VALUE, Create<Fl_Value_Input, &Preview_Sec>, 100, 57, 50, 20, 0, ANY, 0.01, 0, 0, Callback<PreviewToArray>},
    {VALUE, Create<Fl_Value_Input, &Preview_Msec>, 160, 57, 30, 20, 0, ANY, 1, 0, 0, Callback<PreviewToArray>},
    {VALUE, Create<Fl_Value_Input, &Xin_Min>, 283, 57, 30, 20, "Xin", ANY, 0.1, 0, 0, Callback<XinToArray>},
    {VALUE, Create<Fl_Value_Input, &Xin_Sec>, 323, 57, 40, 20, 0, ANY, 0.01, 0, 0, Callback<XinToArray>},
    {VALUE, Create<Fl_Value_Input, &Xin_Msec>, 374, 57, 40, 20, 0, ANY, 1, 0, 0, Callback<XinToArray>},
    {VALUE, Create<Fl_Value_Input, &Xout_Min>, 283, 87, 30, 20, "Xout", ANY, 0.1, 0, 0, Callback<XoutToArray>},
    {VALUE, Create<Fl_Value_Input, &Xout_Sec>, 323, 87, 40, 20, 0, ANY, 0.01, 0, 0, Callback<XoutToArray>},
    {VALUE, Create<Fl_Value_Input, &Xout_Msec>, 374, 87, 40, 20, 0, ANY, 1, 0, 0, Callback<XoutToArray>},
    {VALUE, Create<Fl_Value_Input, &head>, 283, 118, 47, 20, "Head", ANY, 0.001, 0, 0, Callback<HeadTailToArray>},
    {VALUE, Create<Fl_Value_Input, &tail>, 283, 149, 47, 20, "Tail", ANY, 0.001, 0, 0, Callback<HeadTailToArray>},
    {MIX, Create<Fl_Button, &MixButton>, 16, 316, 100, 28, "Mix", 0, 0, 0, 0, nullptr},
    {TEXT, Create<Fl_Input, &PathDisplay>, 17, 140, 193, 18, "Path to Tolvex", 0, 0, 0, 0, Callback<StorePath>},
    {ROUND, Create<Fl_Round_Button, &outbits16button>, 280, 195, 70, 15, "16 bit output", 0, 0, 0, 7, Callback<Outbits16ToArray>},
    {ROUND, Create<Fl_Round_Button, &outbits24button>, 280, 217, 70, 15, "24 bit output", 0, 0, 1, 0, Callback<Outbits24ToArray>},
    {VALUE, Create<Fl_Value_Input, &panlaw>, 334, 306, 30, 20, "Pan law", 6, 0.1, 3, 0, Callback<PanlawToArray>},
    {TEXT, Create<Fl_Input, &WavDirDisplay>, 17, 228, 193, 18, "Wavefile Directory", 0, 0, 0, 0, Callback<StoreWaveDir>},
    {TEXT, Create<Fl_Input, &MixDirDisplay>, 17, 274, 193, 18, "Mix Directory", 0, 0, 0, 0, Callback<StoreMixDir>},
    {ROUND, Create<Fl_Round_Button, &monobutton>, 280, 240, 70, 15, "mono output", 0, 0, 0, 7, Callback<MonoToArray>},
    {TEXT, Create<Fl_Input, &LaunchDisplay>, 17, 184, 207, 18, "Launch Command", 0, 0, 0, 0, Callback<StoreLaunch>},
    {BROWSE, Create<Fl_Button, &browseD1>, 212, 141, 14, 18, "*", 0, 0, 0, 0, Callback<cb_browseD<1>>},
    {BROWSE, Create<Fl_Button, &browseD2>, 212, 229, 14, 18, "*", 0, 0, 0, 0, Callback<cb_browseD<2>>},
    {BROWSE, Create<Fl_Button, &browseD3>, 212, 275, 14, 18, "*", 0, 0, 0, 0, Callback<cb_browseD<3>>},
    {SPINNER, Create<Fl_Spinner, &dither>, 334, 271, 40, 20, "Dither", 8, 1, 1, 0, Callback<DitherToArray>},
    {SPINNER, Create<Fl_Spinner, &bgcolor>, 334, 341, 40, 20, "Color", 255, 1, 97, 0, Callback<cb_bgcolor>},
};

// Value inputs and spinners share these settings but no base class that has them.
template <class Number>
void SetNumber(Number *number, const PrefsControl &row)
{
    number->range(0, row.maximum);
    number->step(row.step);
    number->value(row.value);
    number->textsize(12);
}

void BuildPrefsControl(const PrefsControl &row)
{
    Fl_Widget *widget = row.create(row.x, row.y, row.w, row.h, row.label);
    if (row.callback)   // the app gives the Mix button its callback and shortcut
        widget->callback(row.callback);
    if (row.colour)
        widget->color(row.colour);
    // The "*" buttons keep the toolkit's label; "Mix" its label colour.
    if (row.kind != BROWSE)
        widget->labelsize(12);
    if (row.kind != MIX && row.kind != BROWSE)
        widget->labelcolor(215);
    switch (row.kind) {
    case ROUND: {
        Fl_Button *button = static_cast<Fl_Button *>(widget);
        button->down_box(FL_DOWN_BOX);
        button->value(int(row.value));
        break;
    }
    case VALUE:
        SetNumber(static_cast<Fl_Value_Input *>(widget), row);
        break;
    case SPINNER:
        SetNumber(static_cast<Fl_Spinner *>(widget), row);
        break;
    case TEXT: {
        Fl_Input *input = static_cast<Fl_Input *>(widget);
        input->align(FL_ALIGN_TOP_LEFT);
        input->textsize(12);
        // Every keystroke is stored, so a Mix pressed while typing sees the text.
        input->when(FL_WHEN_CHANGED);
        input->maximum_size(PATH_SIZE - 1);
        break;
    }
    case MIX:
        widget->box(FL_ROUND_UP_BOX);
        static_cast<Fl_Button *>(widget)->down_box(FL_ROUND_UP_BOX);
        break;
    case BROWSE:
        break;
    }
}

} // namespace

Fl_Double_Window *make_window3()
{
    PrefsWindow = new Fl_Double_Window(430, 375, "Preferences");
    PrefsWindow->color(97);
    PrefsWindow->labelsize(12);
    for (const PrefsControl &row : prefs_controls)
        BuildPrefsControl(row);
    PrefsWindow->end();
    return PrefsWindow;
}
