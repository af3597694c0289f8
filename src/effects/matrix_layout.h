// The two assignment matrices: one description per window, walked by one builder, one
// update and one store.
#pragma once
#include <FL/Fl_Widget.H>

#include "state/mix_state.h"

class Fl_Double_Window;
class Fl_Input;
class Fl_Round_Button;
class Fl_Spinner;
class Fl_Value_Output;

enum { MATRIX_ROWS = 5, MATRIX_BANKS = 24 };

struct MatrixWindow {
    Fl_Double_Window **window;
    const char *title;
    const char *heading;
    Fl_Round_Button **buttons[MATRIX_ROWS][GROUP_COUNT];
    Fl_Value_Output **numbers[MATRIX_ROWS];
    Fl_Input **names[MATRIX_ROWS];
    Fl_Spinner **bank;
    int *assignments;                 // SubAsn / VcaAsn
    int *inUse;                       // SubOn / VcaOn
};
extern const MatrixWindow SubMatrix;
extern const MatrixWindow VcaMatrix;

// Copies the assignments and names of the bank on show into the window.
void UpdateMatrix(const MatrixWindow &matrix);
// Copies the bank's forty buttons into the table and recomputes the in-use flags from it.
void StoreMatrix(const MatrixWindow &matrix);
// The callbacks of the bank spinner and of the buttons; the data is the window's description.
void MatrixBankChanged(Fl_Widget *, void *matrix);
void MatrixButtonClicked(Fl_Widget *, void *matrix);

extern Fl_Round_Button *sub_button_A1, *sub_button_A2, *sub_button_A3, *sub_button_A4,
    *sub_button_A5, *sub_button_A6, *sub_button_A7, *sub_button_A8;
extern Fl_Round_Button *sub_button_B1, *sub_button_B2, *sub_button_B3, *sub_button_B4,
    *sub_button_B5, *sub_button_B6, *sub_button_B7, *sub_button_B8;
extern Fl_Round_Button *sub_button_C1, *sub_button_C2, *sub_button_C3, *sub_button_C4,
    *sub_button_C5, *sub_button_C6, *sub_button_C7, *sub_button_C8;
extern Fl_Round_Button *sub_button_D1, *sub_button_D2, *sub_button_D3, *sub_button_D4,
    *sub_button_D5, *sub_button_D6, *sub_button_D7, *sub_button_D8;
extern Fl_Round_Button *sub_button_E1, *sub_button_E2, *sub_button_E3, *sub_button_E4,
    *sub_button_E5, *sub_button_E6, *sub_button_E7, *sub_button_E8;
extern Fl_Value_Output *sub_ch_A, *sub_ch_B, *sub_ch_C, *sub_ch_D, *sub_ch_E;
extern Fl_Input *sub_text_A, *sub_text_B, *sub_text_C, *sub_text_D, *sub_text_E;
extern Fl_Spinner *SubBank;

extern Fl_Round_Button *vca_button_A1, *vca_button_A2, *vca_button_A3, *vca_button_A4,
    *vca_button_A5, *vca_button_A6, *vca_button_A7, *vca_button_A8;
extern Fl_Round_Button *vca_button_B1, *vca_button_B2, *vca_button_B3, *vca_button_B4,
    *vca_button_B5, *vca_button_B6, *vca_button_B7, *vca_button_B8;
extern Fl_Round_Button *vca_button_C1, *vca_button_C2, *vca_button_C3, *vca_button_C4,
    *vca_button_C5, *vca_button_C6, *vca_button_C7, *vca_button_C8;
extern Fl_Round_Button *vca_button_D1, *vca_button_D2, *vca_button_D3, *vca_button_D4,
    *vca_button_D5, *vca_button_D6, *vca_button_D7, *vca_button_D8;
extern Fl_Round_Button *vca_button_E1, *vca_button_E2, *vca_button_E3, *vca_button_E4,
    *vca_button_E5, *vca_button_E6, *vca_button_E7, *vca_button_E8;
extern Fl_Value_Output *vca_ch_A, *vca_ch_B, *vca_ch_C, *vca_ch_D, *vca_ch_E;
extern Fl_Input *vca_text_A, *vca_text_B, *vca_text_C, *vca_text_D, *vca_text_E;
extern Fl_Spinner *VcaBank;
