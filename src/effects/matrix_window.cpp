// The submix and VCA matrix windows: the same window built twice from two descriptions.
// Each row holds a channel's number, its name and eight check buttons, one per group.
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Output.H>

#include "state/callback.h"
#include "effects/matrix.h"
#include "effects/matrix_layout.h"

Fl_Double_Window *SubWindow;
Fl_Double_Window *VCAWindow;

Fl_Round_Button *sub_button_A1, *sub_button_A2, *sub_button_A3, *sub_button_A4, *sub_button_A5,
    *sub_button_A6, *sub_button_A7, *sub_button_A8;
Fl_Round_Button *sub_button_B1, *sub_button_B2, *sub_button_B3, *sub_button_B4, *sub_button_B5,
    *sub_button_B6, *sub_button_B7, *sub_button_B8;
Fl_Round_Button *sub_button_C1, *sub_button_C2, *sub_button_C3, *sub_button_C4, *sub_button_C5,
    *sub_button_C6, *sub_button_C7, *sub_button_C8;
Fl_Round_Button *sub_button_D1, *sub_button_D2, *sub_button_D3, *sub_button_D4, *sub_button_D5,
    *sub_button_D6, *sub_button_D7, *sub_button_D8;
Fl_Round_Button *sub_button_E1, *sub_button_E2, *sub_button_E3, *sub_button_E4, *sub_button_E5,
    *sub_button_E6, *sub_button_E7, *sub_button_E8;
Fl_Value_Output *sub_ch_A, *sub_ch_B, *sub_ch_C, *sub_ch_D, *sub_ch_E;
Fl_Input *sub_text_A, *sub_text_B, *sub_text_C, *sub_text_D, *sub_text_E;
Fl_Spinner *SubBank;

Fl_Round_Button *vca_button_A1, *vca_button_A2, *vca_button_A3, *vca_button_A4, *vca_button_A5,
    *vca_button_A6, *vca_button_A7, *vca_button_A8;
Fl_Round_Button *vca_button_B1, *vca_button_B2, *vca_button_B3, *vca_button_B4, *vca_button_B5,
    *vca_button_B6, *vca_button_B7, *vca_button_B8;
Fl_Round_Button *vca_button_C1, *vca_button_C2, *vca_button_C3, *vca_button_C4, *vca_button_C5,
    *vca_button_C6, *vca_button_C7, *vca_button_C8;
Fl_Round_Button *vca_button_D1, *vca_button_D2, *vca_button_D3, *vca_button_D4, *vca_button_D5,
    *vca_button_D6, *vca_button_D7, *vca_button_D8;
Fl_Round_Button *vca_button_E1, *vca_button_E2, *vca_button_E3, *vca_button_E4, *vca_button_E5,
    *vca_button_E6, *vca_button_E7, *vca_button_E8;
Fl_Value_Output *vca_ch_A, *vca_ch_B, *vca_ch_C, *vca_ch_D, *vca_ch_E;
Fl_Input *vca_text_A, *vca_text_B, *vca_text_C, *vca_text_D, *vca_text_E;
Fl_Spinner *VcaBank;

const MatrixWindow SubMatrix = {
    &SubWindow, "Submix Matrix", "Submix Assignments",
    {{&sub_button_A1, &sub_button_A2, &sub_button_A3, &sub_button_A4,
      &sub_button_A5, &sub_button_A6, &sub_button_A7, &sub_button_A8},
     {&sub_button_B1, &sub_button_B2, &sub_button_B3, &sub_button_B4,
      &sub_button_B5, &sub_button_B6, &sub_button_B7, &sub_button_B8},
     {&sub_button_C1, &sub_button_C2, &sub_button_C3, &sub_button_C4,
      &sub_button_C5, &sub_button_C6, &sub_button_C7, &sub_button_C8},
     {&sub_button_D1, &sub_button_D2, &sub_button_D3, &sub_button_D4,
      &sub_button_D5, &sub_button_D6, &sub_button_D7, &sub_button_D8},
     {&sub_button_E1, &sub_button_E2, &sub_button_E3, &sub_button_E4,
      &sub_button_E5, &sub_button_E6, &sub_button_E7, &sub_button_E8}},
    {&sub_ch_A, &sub_ch_B, &sub_ch_C, &sub_ch_D, &sub_ch_E},
    {&sub_text_A, &sub_text_B, &sub_text_C, &sub_text_D, &sub_text_E},
    &SubBank, SubAsn, SubOn,
};

const MatrixWindow VcaMatrix = {
    &VCAWindow, "VCA Matrix", "VCA Assignments",
    {{&vca_button_A1, &vca_button_A2, &vca_button_A3, &vca_button_A4,
      &vca_button_A5, &vca_button_A6, &vca_button_A7, &vca_button_A8},
     {&vca_button_B1, &vca_button_B2, &vca_button_B3, &vca_button_B4,
      &vca_button_B5, &vca_button_B6, &vca_button_B7, &vca_button_B8},
     {&vca_button_C1, &vca_button_C2, &vca_button_C3, &vca_button_C4,
      &vca_button_C5, &vca_button_C6, &vca_button_C7, &vca_button_C8},
     {&vca_button_D1, &vca_button_D2, &vca_button_D3, &vca_button_D4,
      &vca_button_D5, &vca_button_D6, &vca_button_D7, &vca_button_D8},
     {&vca_button_E1, &vca_button_E2, &vca_button_E3, &vca_button_E4,
      &vca_button_E5, &vca_button_E6, &vca_button_E7, &vca_button_E8}},
    {&vca_ch_A, &vca_ch_B, &vca_ch_C, &vca_ch_D, &vca_ch_E},
    {&vca_text_A, &vca_text_B, &vca_text_C, &vca_text_D, &vca_text_E},
    &VcaBank, VcaAsn, VcaOn,
};

// Rows stand 40 pixels apart; the buttons sit 3 pixels lower than the number and name.
// The button columns are 31 pixels apart, except the first gap of 30.
enum { FIRST_ROW_Y = 74, ROW_STEP = 40, BUTTON_DROP = 3, LABEL_COLOR = 175 };
static const int ButtonX[GROUP_COUNT] = {208, 238, 269, 300, 331, 362, 393, 424};
static const char *const GroupLabels[GROUP_COUNT] = {"1", "2", "3", "4", "5", "6", "7", "8"};

static void MakeRow(const MatrixWindow &m, int row)
{
    int y = FIRST_ROW_Y + row * ROW_STEP;
    for (int s = 0; s < GROUP_COUNT; s++) {
        Fl_Round_Button *button = new Fl_Round_Button(ButtonX[s], y + BUTTON_DROP, 17, 15,
                                                      GroupLabels[s]);
        button->down_box(FL_DOWN_BOX);
        button->labelcolor(LABEL_COLOR);
        button->align(FL_ALIGN_TOP);
        button->type(FL_TOGGLE_BUTTON);
        button->callback(Callback<MatrixButtonClicked>, const_cast<MatrixWindow *>(&m));
        *m.buttons[row][s] = button;
    }
    Fl_Value_Output *number = new Fl_Value_Output(20, y, 30, 18);
    number->textsize(12);
    *m.numbers[row] = number;
    Fl_Input *name = new Fl_Input(65, y, 120, 18);
    name->textsize(12);
    name->when(FL_WHEN_NEVER);
    *m.names[row] = name;
}

static Fl_Double_Window *MakeMatrixWindow(const MatrixWindow &m)
{
    Fl_Double_Window *window = new Fl_Double_Window(460, 280, m.title);
    window->color(97);
    for (int row = 0; row < MATRIX_ROWS; row++)
        MakeRow(m, row);

    Fl_Spinner *bank = new Fl_Spinner(20, 30, 40, 24, "Bank");
    bank->range(1, MATRIX_BANKS);
    bank->step(1);
    bank->value(1);
    bank->labelsize(12);
    bank->labelcolor(LABEL_COLOR);
    bank->align(FL_ALIGN_TOP_LEFT);
    bank->textsize(12);
    bank->when(FL_WHEN_CHANGED);
    bank->callback(Callback<MatrixBankChanged>, const_cast<MatrixWindow *>(&m));
    *m.bank = bank;

    Fl_Box *heading = new Fl_Box(306, 26, 35, 16, m.heading);
    heading->labelcolor(LABEL_COLOR);
    window->end();
    return *m.window = window;
}

Fl_Double_Window *make_window5()
{
    return MakeMatrixWindow(SubMatrix);
}

Fl_Double_Window *make_window6()
{
    return MakeMatrixWindow(VcaMatrix);
}
