// Copies between the faders window's bank of strips and the mix state, in both directions.
// Every column operation walks the strips through StripSlot, so the bank rule lives in one place.
// Setting a widget's value never runs its callback: an update never writes back.
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>

#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "state/mix_state.h"
#include "state/position.h"
#include "state/typed_number.h"

namespace {

const int PER_SLOT = -1;    // a table with one cell per slot (pan, solo, mute)
const char UNAVAILABLE[] = "(unavailable)";

int TableCell(int slot, int index)
{
    return index == PER_SLOT ? slot : Cell(slot, index);
}

double ValueOf(Fl_Spinner *w) { return w->value(); }
double ValueOf(Fl_Valuator *w) { return w->value(); }
double ValueOf(Fl_Button *w) { return w->value(); }

// A value that no float cell holds (typed "nan", "inf" or 1e300) is not stored. Returns
// whether it was.
bool StoreValue(float &cell, double value)
{
    if (!FitsFloat(value))
        return false;
    cell = float(value);
    return true;
}
bool StoreValue(int &cell, double value)
{
    cell = value != 0;
    return true;
}

void ShowValue(Fl_Spinner *w, double value) { w->value(value); w->redraw(); }
void ShowValue(Fl_Button *w, double value) { w->value(value != 0); }
// The text is rewritten even when the value is the same: it may still hold a refused entry.
void ShowValue(Fl_Value_Input *w, double value)
{
    w->value(value);
    char text[128];
    w->format(text);
    w->input.value(text);
}

bool AnyValue(double) { return true; }

// Stores the widget's value when it passes `accepts` and fits the cell; a refused value does
// not stay on screen: the field shows what the mix holds.
template <typename Widget, typename T>
void StoreOrShowStored(Widget *w, T &cell, bool (*accepts)(double) = AnyValue)
{
    if (!accepts(ValueOf(w)) || !StoreValue(cell, ValueOf(w)))
        ShowValue(w, cell);
}

template <typename Widget, typename T, int N>
void StoreColumn(Widget **const (&column)[N], T *table, int index)
{
    const int bank = CurrentBank();
    for (int k = 0; k < N; k++) {
        const int slot = StripSlot(k + 1, bank);
        if (slot >= 0)
            StoreOrShowStored(*column[k], table[TableCell(slot, index)]);
    }
    ClearStatus();
}

template <typename Widget, typename T, int N>
void LoadColumn(Widget **const (&column)[N], const T *table, int index)
{
    const int bank = CurrentBank();
    for (int k = 0; k < N; k++) {
        const int slot = StripSlot(k + 1, bank);
        if (slot >= 0)
            ShowValue(*column[k], table[TableCell(slot, index)]);
    }
}

bool IsPan(double v) { return v >= -100 && v <= 100; }
bool IsRamp(double v) { return v >= 0; }
bool IsShape(double v) { return v > 0; }

// Stores one strip's value when it passes `accepts` (NaN passes none of the tests); a refused
// value gives way to the stored one.
void StoreStrip(Fl_Value_Input **const (&column)[STRIP_COUNT], int strip, bool (*accepts)(double),
                float *table, int index)
{
    if (strip >= 1 && strip <= STRIP_COUNT) {
        Fl_Value_Input *field = *column[strip - 1];
        const int slot = StripSlot(strip, CurrentBank());
        if (slot >= 0)
            StoreOrShowStored(field, table[TableCell(slot, index)], accepts);
    }
    ClearStatus();
}

} // namespace

// ---- widgets to state ----

void VolumeToArray() { StoreColumn(VolumeStrip, Volume, CurrentIndex()); }
void OffsetToArray() { StoreColumn(OffsetStrip, Offset, CurrentIndex()); }
void ChannelActiveToArray() { StoreColumn(AutoStrip, ChanActive, CurrentIndex()); }
void SoloToArray() { StoreColumn(SoloStrip, SoloArray, PER_SLOT); }
void MuteToArray() { StoreColumn(MuteStrip, MuteArray, PER_SLOT); }

void RampToArray(int strip) { StoreStrip(RampStrip, strip, IsRamp, Ramp, CurrentIndex()); }
void ShapeToArray(int strip) { StoreStrip(ShapeStrip, strip, IsShape, Shape, CurrentIndex()); }
void PanToArray(int strip) { StoreStrip(PanStrip, strip, IsPan, Pan, PER_SLOT); }

void StoreTime()
{
    const int i = CurrentIndex();
    StoreOrShowStored(GuiMin, IndexMin[i]);
    StoreOrShowStored(GuiSec, IndexSec[i]);
    StoreOrShowStored(GuiMsec, IndexMsec[i]);
    ClearStatus();
}

void StoreNames()
{
    const int bank = CurrentBank();
    for (int k = 0; k < STRIP_COUNT - 1; k++) {
        const int slot = StripSlot(k + 1, bank);
        if (slot >= 0)
            CopyOneLine(NameBuffer[slot], NAME_SIZE, (*NameStrip[k])->value());
    }
    // The master's name is shown read-only and never stored from here. The other windows
    // show the names again in the refresh that ends the operation.
}

// ---- state to widgets ----

void UpdateVolumes() { LoadColumn(VolumeStrip, Volume, CurrentIndex()); }
void UpdateOffset() { LoadColumn(OffsetStrip, Offset, CurrentIndex()); }
void UpdateRamp() { LoadColumn(RampStrip, Ramp, CurrentIndex()); }
void UpdateShape() { LoadColumn(ShapeStrip, Shape, CurrentIndex()); }
void UpdateChannelActive() { LoadColumn(AutoStrip, ChanActive, CurrentIndex()); }
void UpdatePan() { LoadColumn(PanStrip, Pan, PER_SLOT); }
void UpdateSolos() { LoadColumn(SoloStrip, SoloArray, PER_SLOT); }
void UpdateMutes() { LoadColumn(MuteStrip, MuteArray, PER_SLOT); }

void UpdateTime()
{
    const int i = CurrentIndex();
    GuiMin->value(IndexMin[i]);
    GuiSec->value(IndexSec[i]);
    GuiMsec->value(IndexMsec[i]);
}

// Channel strips show their channel number; the submix and VCA strips the bank number.
void UpdateDisplayNumbers()
{
    const int bank = CurrentBank();
    for (int k = 0; k < STRIP_COUNT - 1; k++) {
        const int strip = k + 1;
        (*NumberStrip[k])->value(strip <= CHANNEL_STRIPS ? StripSlot(strip, bank) : bank);
    }
}

void UpdateNames()
{
    const int bank = CurrentBank();
    for (int k = 0; k < STRIP_COUNT - 1; k++) {
        const int slot = StripSlot(k + 1, bank);
        (*NameStrip[k])->value(slot >= 0 ? NameBuffer[slot] : UNAVAILABLE);
    }
    name13->value(NameBuffer[MasterSlot()]);
    UpdateDisplayNumbers();
    if (NameInEffects && IsSlot(CNL))
        NameInEffects->value(NameBuffer[CNL]);
    UpdateSubmix();
    UpdateVCA();
}

// The callback of the time index and bank spinners: both become the current position (their
// values truncated toward zero), and the window shows it.
void TakePosition()
{
    SetCurrentIndex(int(TimeIndex->value() - 1));
    SetCurrentBank(int(Bank->value()));
    StageVolDivavUpdate();
}

// After an operation that moved the current position elsewhere (the cue window, an undo), the
// window shows the new one.
void ShowPosition()
{
    if (int(TimeIndex->value() - 1) != CurrentIndex() || int(Bank->value()) != CurrentBank())
        StageVolDivavUpdate();
}

// The window shows the current position: the spinners, then every strip and field.
void StageVolDivavUpdate()
{
    TimeIndex->value(CurrentIndex() + 1);
    Bank->value(CurrentBank());
    UpdateIndexActive();
    UpdateChannelActive();
    UpdateTime();
    UpdateVolumes();
    UpdatePan();
    UpdateMutes();
    UpdateSolos();
    UpdateDisplayNumbers();
    UpdateCueName();
    UpdateNames();
    UpdateOffset();
    UpdateRamp();
    UpdateShape();
}
