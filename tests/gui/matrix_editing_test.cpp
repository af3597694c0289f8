#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Output.H>
#include <gtest/gtest.h>

#include "app/control.h"
#include "state/status_message.h"
#include "effects/matrix.h"
#include "effects/matrix_layout.h"
#include "effects_test_clicks.h"
#include "gui_harness.h"

namespace {

int Members(const int *assignments)
{
    int count = 0;
    for (int i = 0; i < ROUTING_ROWS * GROUP_COUNT; i++)
        count += assignments[i];
    return count;
}

} // namespace

TEST(MatrixEditing, BankTwoRowBIsChannelSeven)
{
    StartVeltrane();
    CopyText(NameBuffer[7], NAME_SIZE, "Vocal");
    Spin(SubBank, 2);
    EXPECT_EQ(sub_ch_A->value(), 6);
    EXPECT_EQ(sub_ch_B->value(), 7);
    EXPECT_EQ(sub_ch_E->value(), 10);
    EXPECT_STREQ(sub_text_B->value(), "Vocal");

    SetStatus("Read 10 bytes from faders.txt");
    Click(sub_button_B3);
    EXPECT_EQ(SubAsn[RouteCell(7, 3)], 1);
    EXPECT_EQ(SubAsn[6 * 8 + 2], 1);
    EXPECT_EQ(SubOn[2], 1);
    EXPECT_EQ(Members(SubAsn), 1);
    EXPECT_EQ(Members(VcaAsn), 0) << "the VCA matrix is a separate table";
    EXPECT_STREQ(TextResponse->value(), "");

    // Routes are independent: one channel under VCAs 1, 4 and 8 at once.
    Spin(VcaBank, 2);
    Click(vca_button_B1);
    Click(vca_button_B4);
    Click(vca_button_B8);
    EXPECT_EQ(VcaAsn[RouteCell(7, 1)] + VcaAsn[RouteCell(7, 4)] + VcaAsn[RouteCell(7, 8)], 3);
    EXPECT_EQ(VcaOn[0] + VcaOn[3] + VcaOn[7], 3);
    EXPECT_EQ(VcaOn[2], 0);
    EXPECT_EQ(Members(SubAsn), 1);
    EXPECT_EQ(SubOn[0], 0);
}

TEST(MatrixEditing, InUseFlagsFollowTheTable)
{
    StartVeltrane();
    Spin(SubBank, 1);
    Click(sub_button_A5);
    Click(sub_button_B5);
    EXPECT_EQ(SubOn[4], 1);
    Click(sub_button_A5);
    EXPECT_EQ(SubOn[4], 1) << "channel 2 is still routed";
    Click(sub_button_B5);
    EXPECT_EQ(SubOn[4], 0);

    // A flag with no member (as the file reader may leave it) is dropped at the first click
    // anywhere, and a member in a bank not on show still counts.
    SubOn[6] = 1;
    SubAsn[RouteCell(50, 2)] = 1;
    Spin(SubBank, 3);
    Click(sub_button_C1);
    EXPECT_EQ(SubOn[6], 0);
    EXPECT_EQ(SubOn[1], 1);
    EXPECT_EQ(SubOn[0], 1);
    EXPECT_EQ(SubAsn[RouteCell(50, 2)], 1) << "other banks are not written";
    EXPECT_EQ(SubAsn[RouteCell(13, 1)], 1);
}

TEST(MatrixEditing, UpdateShowsTheBankAndDiscardsTypedNames)
{
    StartVeltrane();
    CopyText(NameBuffer[118], NAME_SIZE, "Room L");
    VcaAsn[RouteCell(116, 2)] = 1;
    VcaAsn[RouteCell(120, 8)] = 5;   // any non-zero value lights the button
    Spin(VcaBank, 24);
    EXPECT_EQ(vca_ch_A->value(), 116);
    EXPECT_EQ(vca_ch_E->value(), 120);
    EXPECT_TRUE(vca_button_A2->value());
    EXPECT_TRUE(vca_button_E8->value());
    EXPECT_FALSE(vca_button_A1->value());
    EXPECT_STREQ(vca_text_C->value(), "Room L");

    vca_text_C->value("typed here");
    EXPECT_EQ(vca_text_C->when(), FL_WHEN_NEVER);
    UpdateVCA();
    EXPECT_STREQ(vca_text_C->value(), "Room L");
    EXPECT_STREQ(NameBuffer[118], "Room L");

    // The next store writes the visible bank as 0 / 1.
    Click(vca_button_D3);
    EXPECT_EQ(VcaAsn[RouteCell(120, 8)], 1);
    EXPECT_EQ(VcaAsn[RouteCell(119, 3)], 1);
}

TEST(MatrixWindows, TwoWindowsOfTheSameLayout)
{
    StartVeltrane();
    struct { Fl_Double_Window *window; const MatrixWindow &m; const char *heading; } twins[] = {
        {SubWindow, SubMatrix, "Submix Assignments"},
        {VCAWindow, VcaMatrix, "VCA Assignments"},
    };
    const int buttonX[] = {208, 238, 269, 300, 331, 362, 393, 424};
    for (const auto &t : twins) {
        ASSERT_EQ(t.window->children(), MATRIX_ROWS * 10 + 2);
        for (int row = 0; row < MATRIX_ROWS; row++) {
            for (int s = 0; s < GROUP_COUNT; s++) {
                Fl_Round_Button *b = *t.m.buttons[row][s];
                EXPECT_EQ(t.window->child(row * 10 + s), b);
                EXPECT_EQ(b->x(), buttonX[s]);
                EXPECT_EQ(b->y(), 77 + 40 * row);
                EXPECT_EQ(b->label()[0], '1' + s);
                EXPECT_EQ(b->type(), FL_TOGGLE_BUTTON);
            }
            EXPECT_EQ(t.window->child(row * 10 + 8), *t.m.numbers[row]);
            EXPECT_EQ(t.window->child(row * 10 + 9), *t.m.names[row]);
            EXPECT_EQ((*t.m.names[row])->y(), 74 + 40 * row);
        }
        EXPECT_EQ(t.window->child(50), *t.m.bank);
        EXPECT_EQ((*t.m.bank)->maximum(), MATRIX_BANKS);
        EXPECT_STREQ(t.window->child(51)->label(), t.heading);
    }
    EXPECT_EQ(SubMatrix.buttons[1][2], &sub_button_B3);
    EXPECT_EQ(VcaMatrix.buttons[4][7], &vca_button_E8);
    EXPECT_NE(sub_button_A1, vca_button_A1);
}
