// The preferences controls and the mix state: each control's callback stores its
// value at once; UpdatePreferences copies the state back into the controls.
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include "app/control.h"
#include "cues/cues.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"
#include "state/typed_number.h"

namespace {

// Keeps a pair of toggle buttons exclusive: the other one takes the opposite state of
// the one just clicked, and the setting takes the value of whichever is now on.
void SwitchPair(Fl_Button *clicked, Fl_Button *other, int *setting, int clicked_value, int other_value)
{
    bool on = clicked->value() != 0;
    other->value(!on);
    *setting = on ? clicked_value : other_value;
    ClearStatus();
}

// The value inputs of each setting, in the order of its table's cells.
Fl_Value_Input **const preview_fields[] = {&Preview_Min, &Preview_Sec, &Preview_Msec, &Preview_Length};
Fl_Value_Input **const xin_fields[] = {&Xin_Min, &Xin_Sec, &Xin_Msec};
Fl_Value_Input **const xout_fields[] = {&Xout_Min, &Xout_Sec, &Xout_Msec};
Fl_Value_Input **const head_tail_fields[] = {&head, &tail};
Fl_Value_Input **const panlaw_field[] = {&panlaw};

// A typed value that no float holds (1e300, "inf") is not stored, and its field shows the
// stored value again.
template <int N>
void FieldsToArray(Fl_Value_Input **const (&fields)[N], float *cells)
{
    for (int i = 0; i < N; i++) {
        const double typed = (*fields[i])->value();
        if (FitsFloat(typed))
            cells[i] = float(typed);
        else
            (*fields[i])->value(cells[i]);
    }
    ClearStatus();
}

template <int N>
void ArrayToFields(Fl_Value_Input **const (&fields)[N], const float *cells)
{
    for (int i = 0; i < N; i++)
        (*fields[i])->value(cells[i]);
}

Fl_Double_Window **const all_windows[] = {
    &FadersWindow, &PrefsWindow, &SubWindow, &EffectsWindow, &ControlWindow, &VCAWindow, &ReverbWindow,
    &CuesWindow,
};

void PaintWindows(int value)
{
    for (Fl_Double_Window **window : all_windows) {
        if (!*window)
            continue;
        (*window)->color(Fl_Color(value));
        (*window)->redraw();
    }
}

} // namespace

void PreviewOnSwitch() { SwitchPair(PreOn, PreOff, &PreviewOn, 1, 0); }
void PreviewOffSwitch() { SwitchPair(PreOff, PreOn, &PreviewOn, 0, 1); }
void Outbits16ToArray() { SwitchPair(outbits16button, outbits24button, &OutbitsStore, 16, 24); }
void Outbits24ToArray() { SwitchPair(outbits24button, outbits16button, &OutbitsStore, 24, 16); }

void PreviewToArray() { FieldsToArray(preview_fields, PreviewArray); }
void XinToArray() { FieldsToArray(xin_fields, XinArray); }
void XoutToArray() { FieldsToArray(xout_fields, XoutArray); }
void HeadTailToArray() { FieldsToArray(head_tail_fields, HeadTailArray); }
void PanlawToArray() { FieldsToArray(panlaw_field, &PanlawStore); }

void MonoToArray()
{
    monoOn = monobutton->value() ? 1 : 0;
    ClearStatus();
}

// Dither leaves the status line as it is.
void DitherToArray()
{
    DitherBits = int(dither->value());
}

// Text fields are cut to fit their buffers; the status line is left as it is.
void StorePath() { CopyOneLine(Path, PATH_SIZE, PathDisplay->value()); }
void StoreWaveDir() { CopyOneLine(WavDirName, PATH_SIZE, WavDirDisplay->value()); }
void StoreMixDir() { CopyOneLine(MixDirName, PATH_SIZE, MixDirDisplay->value()); }
void StoreLaunch() { CopyOneLine(LaunchCommand, PATH_SIZE, LaunchDisplay->value()); }

void SetColor()
{
    color = ColourIndex(bgcolor->value());
    bgcolor->value(color);
    PaintWindows(color);
}

// A colour typed or spun is a numeric edit: it clears the status line (the refresh that
// also applies the colour does not).
void cb_bgcolor(Fl_Widget *, void *)
{
    SetColor();
    ClearStatus();
}

void UpdatePreferences()
{
    ArrayToFields(head_tail_fields, HeadTailArray);
    ArrayToFields(preview_fields, PreviewArray);
    ArrayToFields(xin_fields, XinArray);
    ArrayToFields(xout_fields, XoutArray);
    PreOn->value(PreviewOn == 1);
    PreOff->value(PreviewOn != 1);
    PathDisplay->value(Path);
    WavDirDisplay->value(WavDirName);
    MixDirDisplay->value(MixDirName);
    LaunchDisplay->value(LaunchCommand);
    // A word length other than 16 or 24 (a hand-edited file) leaves both buttons alone.
    if (OutbitsStore == 16 || OutbitsStore == 24) {
        outbits16button->value(OutbitsStore == 16);
        outbits24button->value(OutbitsStore == 24);
    }
    monobutton->value(monoOn != 0);
    ArrayToFields(panlaw_field, &PanlawStore);
    // The colour is clamped where it enters the state; the refresh only shows it.
    bgcolor->value(color);
    PaintWindows(color);
    dither->value(DitherBits);
}
