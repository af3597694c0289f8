// The preferences window and the file and directory choosers.
#pragma once
class Fl_Double_Window;

extern Fl_Double_Window *PrefsWindow;

Fl_Double_Window *make_window3();

void UpdatePreferences();
void SetColor();
void ChooseDirectory(int field);
void ChooseFile(int strip);
