// The faders window: one time index and one bank of thirteen strips.
#pragma once
class Fl_Double_Window;
class Fl_Spinner;

extern Fl_Double_Window *FadersWindow;
extern Fl_Spinner *TimeIndex;
extern Fl_Spinner *Bank;

Fl_Double_Window *make_window2();

// The current time index (0..511) and bank (1..12), from the spinners.
int CurrentIndex();
int CurrentBank();

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

// The "Edit Index" menu: insert, remove or propagate the current index, then refresh.
void InsertIndex();
void RemoveIndex();
void Propagate();
