#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <cmath>

#include "app/control.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects_test_clicks.h"
#include "gui_harness.h"
#include "state/mix_state.h"

namespace {

int SelectorsOn()
{
    return SelectRegularChannel->value() + SelectGroupChannel->value() +
           SelectMasterChannel->value();
}

} // namespace

TEST(EffectsEditing, SelectorsAndSpinnersChooseTheEditedSlot)
{
    StartVeltrane();
    CopyText(NameBuffer[5], NAME_SIZE, "Kick");
    CopyText(NameBuffer[SubmixSlot(8)], NAME_SIZE, "Drums bus");

    EditChannel(5);
    EXPECT_EQ(CNL, 5);
    EXPECT_STREQ(NameInEffects->value(), "Kick");
    Release(comp1, -12);
    EXPECT_FLOAT_EQ(Pcomp[5][1], -12);

    EditMaster();
    EXPECT_EQ(SelectorsOn(), 1);
    EXPECT_EQ(CNL, 0);
    EXPECT_STREQ(NameInEffects->value(), "Master");
    EXPECT_FLOAT_EQ(comp1->value(), 0) << "the master's row is loaded";
    Release(lim1, -3);
    EXPECT_FLOAT_EQ(Plim[0][1], -3);
    // With the master selected the spinners change nothing.
    Spin(RegularNum, 9);
    Spin(GroupNum, 2);
    EXPECT_EQ(CNL, 0);

    EditSubmix(8);
    EXPECT_EQ(SelectorsOn(), 1);
    EXPECT_EQ(CNL, 135);
    EXPECT_STREQ(NameInEffects->value(), "Drums bus");
    Release(hshelf2, 4.5);
    EXPECT_FLOAT_EQ(Phshelf[135][2], 4.5f);

    // Clicking the lit "Submix" goes back to the channel the spinner shows.
    Click(SelectGroupChannel);
    EXPECT_TRUE(SelectRegularChannel->value());
    EXPECT_EQ(SelectorsOn(), 1);
    EXPECT_EQ(CNL, 9);
    // Clicking the lit "Channel" keeps it; the submix spinner leaves the channel alone.
    Click(SelectRegularChannel);
    EXPECT_TRUE(SelectRegularChannel->value());
    Spin(GroupNum, 3);
    EXPECT_EQ(CNL, 9);

    // Clamps: channels stay within 1..127; a submix number above 8 is slot 135, and only a
    // spinner change puts the spinner back to 8.
    Spin(RegularNum, 200);
    EXPECT_EQ(CNL, 127);
    Spin(RegularNum, 0);
    EXPECT_EQ(CNL, 1);
    GroupNum->value(12);
    Click(SelectGroupChannel);
    EXPECT_EQ(CNL, 135);
    EXPECT_EQ(GroupNum->value(), 12);
    Spin(GroupNum, 12);
    EXPECT_EQ(CNL, 135);
    EXPECT_EQ(GroupNum->value(), 8);
}

TEST(EffectsEditing, ChangingSlotStoresNothingAndLoadsTheNewRow)
{
    StartVeltrane();
    Pband1[7][0] = 1;
    Pband1[7][1] = 800;
    EditChannel(6);
    // A value shown but never released is not stored, neither now nor on leaving the slot.
    band1_1->value(900);
    EditChannel(7);
    EXPECT_FLOAT_EQ(Pband1[6][1], 500);
    EXPECT_TRUE(band1_0->value());
    EXPECT_FLOAT_EQ(band1_1->value(), 800);
    // Every slider of a block stores through the block's one store, into its own table.
    Release(band1_3, 2.5);
    EXPECT_FLOAT_EQ(Pband1[7][3], 2.5f);
    EXPECT_FLOAT_EQ(Pband2[7][3], 1);
}

TEST(EffectsEditing, FlagsAndValuesPassThroughUnchanged)
{
    StartVeltrane();
    Pcomp[5][0] = 0.5f;
    Pcomp[5][6] = 9;             // a cell no widget edits
    Prms[5][0] = -1.0f;
    Plim[5][0] = 2.0f;
    Pnlc[5][0] = NAN;            // counts as off, as it does for the file writer
    Pfxg[5][0] = 1e30f;          // far beyond any int: on, and no undefined conversion
    Plshelf[5][1] = 500;         // outside the slider's 30..300
    Plshelf[5][2] = -40;         // outside -12..12
    EditChannel(5);

    EXPECT_FALSE(comp0->value());
    EXPECT_TRUE(rms0->value());
    EXPECT_TRUE(lim0->value());
    EXPECT_FALSE(nlc0->value());
    EXPECT_TRUE(fxg0->value());
    EXPECT_EQ(lshelf1->value(), 500);
    EXPECT_EQ(lshelf2->value(), -40);

    Release(comp2, comp2->value());
    EXPECT_EQ(Pcomp[5][0], 0.0f);
    EXPECT_EQ(Pcomp[5][6], 9);
    Release(rms4, rms4->value());
    EXPECT_EQ(Prms[5][0], 1.0f);
    Release(lshelf3, 2);
    EXPECT_EQ(Plshelf[5][1], 500);
    EXPECT_EQ(Plshelf[5][2], -40);
    EXPECT_FLOAT_EQ(Plshelf[5][3], 2);
}

TEST(EffectsEditing, ReverbStoresReachAcrossBothWindows)
{
    StartVeltrane();
    Prev[SubmixSlot(3)][0] = 1;
    Prev[SubmixSlot(3)][1] = -6;
    EditSubmix(3);
    Prev[SubmixSlot(3)][1] = -20;   // the widgets still show -6

    SetStatus("Wrote 41 bytes to faders.txt");
    Release(rev_width, 80);
    EXPECT_EQ(Prev_width, 80);
    EXPECT_EQ(Prev[SubmixSlot(3)][0], 1);
    EXPECT_EQ(Prev[SubmixSlot(3)][1], -6) << "the send is stored again from the effects window";
    EXPECT_EQ(Prev[1][0], 0);
    EXPECT_STREQ(TextResponse->value(), "");
    EXPECT_STREQ(tbuffer, "Wrote 41 bytes to faders.txt");

    // The effects window's reverb toggle stores the reverb window's settings too.
    Rev_LP0->value(1);
    rev_positionZ->value(90);
    Click(rev_state);
    EXPECT_EQ(Prev[SubmixSlot(3)][0], 0);
    EXPECT_EQ(Prlp[0], 1);
    EXPECT_EQ(Prev_position[2], 90);

    // The tap reverb stores its own send and settings, and none of the reverb's.
    trev_taps->value(9);
    rev_rtn->value(-4);
    Release(trev_send, -10);
    EXPECT_EQ(Ptrev[SubmixSlot(3)][1], -10);
    EXPECT_EQ(Ptrtn[2], 9);
    EXPECT_EQ(Prtn[0], 0);
}

TEST(EffectsEditing, FullRefreshFillsBothWindowsForTheEditedSlot)
{
    StartVeltrane();
    EditChannel(4);
    Pfxg[4][0] = 1; Pfxg[4][1] = -3;
    Php[4][0] = 1; Php[4][1] = 250;
    Ptrev[4][0] = 1; Ptrev[4][1] = -12;
    Prtn[0] = -5; Prtn[1] = 300;
    Ptrtn[0] = -2; Ptrtn[1] = 200; Ptrtn[2] = 7;
    Prlp[0] = 1; Prlp[1] = 9000;
    Prhp[0] = 1; Prhp[1] = 200;
    Prev_width = 75;
    Prev_position[0] = 10; Prev_position[1] = 20; Prev_position[2] = 30;
    CopyText(NameBuffer[4], NAME_SIZE, "Snare");
    UpdateGUI();

    EXPECT_STREQ(NameInEffects->value(), "Snare");
    EXPECT_TRUE(fxg0->value());
    EXPECT_EQ(fxg1->value(), -3);
    EXPECT_TRUE(hpass0->value());
    EXPECT_EQ(hpass1->value(), 250);
    EXPECT_TRUE(trev_state->value());
    EXPECT_EQ(trev_send->value(), -12);
    EXPECT_EQ(rev_rtn->value(), -5);
    EXPECT_EQ(rev_size->value(), 300);
    EXPECT_EQ(trev_rtn->value(), -2);
    EXPECT_EQ(trev_size->value(), 200);
    EXPECT_EQ(trev_taps->value(), 7);
    EXPECT_TRUE(Rev_LP0->value());
    EXPECT_EQ(Rev_LP1->value(), 9000);
    EXPECT_TRUE(Rev_HP0->value());
    EXPECT_EQ(Rev_HP1->value(), 200);
    EXPECT_EQ(rev_width->value(), 75);
    EXPECT_EQ(rev_positionX->value(), 10);
    EXPECT_EQ(rev_positionY->value(), 20);
    EXPECT_EQ(rev_positionZ->value(), 30);
}

TEST(EffectsEditing, NameFieldFollowsTheSelectorsWhenNamesChange)
{
    StartVeltrane();
    EditSubmix(8);
    CopyText(NameBuffer[SubmixSlot(8)], NAME_SIZE, "Strings");
    UpdateEffectsName();
    EXPECT_STREQ(NameInEffects->value(), "Strings");
    GroupNum->value(11);   // beyond the range: taken as submix 8
    UpdateEffectsName();
    EXPECT_STREQ(NameInEffects->value(), "Strings");
    EditMaster();
    CopyText(NameBuffer[0], NAME_SIZE, "Main");
    UpdateEffectsName();
    EXPECT_STREQ(NameInEffects->value(), "Main");
    EditChannel(2);
    CopyText(NameBuffer[2], NAME_SIZE, "Bass");
    UpdateEffectsName();
    EXPECT_STREQ(NameInEffects->value(), "Bass");
}
