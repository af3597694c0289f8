// The submix and VCA assignment matrices.
#pragma once
class Fl_Double_Window;

extern Fl_Double_Window *SubWindow;
extern Fl_Double_Window *VCAWindow;

Fl_Double_Window *make_window5();
Fl_Double_Window *make_window6();

void UpdateSubmix();
void SubmixToArray();
void UpdateVCA();
void VcaToArray();
