// The preferences window and the file and directory choosers.
#pragma once
class Fl_Button;
class Fl_Double_Window;
class Fl_File_Chooser;
class Fl_Input;
class Fl_Round_Button;
class Fl_Spinner;
class Fl_Value_Input;
class Fl_Widget;

extern Fl_Double_Window *PrefsWindow;

// The controls of the preferences window, named after their role.
extern Fl_Round_Button *PreOn, *PreOff;
extern Fl_Value_Input *Preview_Min, *Preview_Sec, *Preview_Msec, *Preview_Length;
extern Fl_Value_Input *Xin_Min, *Xin_Sec, *Xin_Msec;
extern Fl_Value_Input *Xout_Min, *Xout_Sec, *Xout_Msec;
extern Fl_Value_Input *head, *tail, *panlaw;
extern Fl_Button *MixButton;
extern Fl_Input *PathDisplay, *WavDirDisplay, *MixDirDisplay, *LaunchDisplay;
extern Fl_Round_Button *outbits16button, *outbits24button, *monobutton;
extern Fl_Button *browseD1, *browseD2, *browseD3;
extern Fl_Spinner *dither, *bgcolor;

Fl_Double_Window *make_window3();

// Controls to state.
void PreviewOnSwitch();
void PreviewOffSwitch();
void PreviewToArray();
void XinToArray();
void XoutToArray();
void HeadTailToArray();
void PanlawToArray();
void MonoToArray();
void Outbits16ToArray();
void Outbits24ToArray();
void DitherToArray();
void StorePath();
void StoreWaveDir();
void StoreMixDir();
void StoreLaunch();
void cb_bgcolor(Fl_Widget *, void *);

// State to controls.
void UpdatePreferences();
// Takes the "Color" spinner's value (clamped to 0..255) as `color` and the colour of every window.
void SetColor();

// The choosers. BrowseNumber says which field the open chooser fills:
// 1 Path, 2 WavDirName, 3 MixDirName for a directory; 1..10 the strip of the current bank for a file.
extern Fl_File_Chooser *CH;
void ChooseDirectory(int field);
void ChooseFile(int strip);
void Set_Directory(Fl_File_Chooser *chooser, void *);
void Set_File(Fl_File_Chooser *chooser, void *);
// What the chooser callbacks do with the chosen directory or file.
void SetChosenDirectory(const char *directory);
void SetChosenFile(const char *file);

// The "*" buttons: cb_browseD<1..3> open the directory chooser for the three directory
// fields, cb_browse<1..10> the file chooser for the ten channel names of the faders window.
template <int Field>
void cb_browseD(Fl_Widget *, void *)
{
    ChooseDirectory(Field);
}
template <int Strip>
void cb_browse(Fl_Widget *, void *)
{
    ChooseFile(Strip);
}
