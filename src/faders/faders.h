// The faders window: one time index and one bank of thirteen strips.
#pragma once
#include "state/position.h"

class Fl_Double_Window;
class Fl_Spinner;

extern Fl_Double_Window *FadersWindow;
extern Fl_Spinner *TimeIndex;
extern Fl_Spinner *Bank;

Fl_Double_Window *make_window2();

// The spinners of the current time index and bank (state/position.h holds the position).
void TakePosition();
// Shows the current position when the spinners show another one.
void ShowPosition();

// State to widgets.
void UpdateVolumes();
void UpdateOffset();
void UpdateRamp();
void UpdateShape();
void UpdateChannelActive();
void UpdatePan();
void UpdateSolos();
void UpdateMutes();
void UpdateTime();
void UpdateDisplayNumbers();
void UpdateNames();
void UpdateIndexActive();
void UpdateCueName();
void UpdateMixName();
void StageVolDivavUpdate();

// Widgets to state: the callbacks of the window. The column operations copy all strips of the
// bank at once; the per-strip ones store one value if it passes its test.
void VolumeToArray();
void OffsetToArray();
void ChannelActiveToArray();
void SoloToArray();
void MuteToArray();
void StoreTime();
void StoreNames();
void RampToArray(int strip);
void ShapeToArray(int strip);
void PanToArray(int strip);
void IndexActiveToArray();
void CueNameToArray();
void StoreMixName();

// The "Edit Index" menu: insert, remove or propagate the current index.
void InsertIndex();
void RemoveIndex();
void Propagate();

// Travel: cue point `index` (0-based) or `bank` becomes the current one and the window shows
// it, as typing it into the spinner does. Out-of-range values and the current one do nothing.
void GoToCuePoint(int index);
void GoToBank(int bank);
// The next / previous active cue point becomes the current index; false when there is none.
bool NextCuePoint();
bool PreviousCuePoint();
// The next / previous bank (1..12); false at the ends.
bool NextBank();
bool PreviousBank();
