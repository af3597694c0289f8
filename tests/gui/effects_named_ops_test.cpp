// The selection and store operations reached by name behave as the widgets' own callbacks.
#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include "effects/effects_layout.h"
#include "effects/effects_window.h"
#include "gui_harness.h"
#include "state/mix_state.h"

TEST(EffectsNamedOperations, SelectAndStoreBlocksOfTheChosenSlot)
{
    StartVeltrane();
    SelectMasterChannel->value(1);
    ChangetoMaster();
    EXPECT_EQ(CNL, 0);
    EXPECT_STREQ(NameInEffects->value(), "Master");
    EXPECT_EQ(SelectRegularChannel->value(), 0);

    comp0->value(1);
    comp1->value(-12.5);
    ComptoArray();
    EXPECT_EQ(Pcomp[0][0], 1.0f);
    EXPECT_EQ(Pcomp[0][1], -12.5f);

    // Clicking the lit "Master" again (now off) returns to the channel of the spinner.
    SelectMasterChannel->value(0);
    ChangetoMaster();
    EXPECT_EQ(CNL, 1);
    EXPECT_EQ(SelectRegularChannel->value(), 1);
    EXPECT_EQ(comp0->value(), 0);

    hpass0->value(1);
    hpass1->value(250);
    HpassToArray();
    EXPECT_EQ(Php[1][0], 1.0f);
    EXPECT_EQ(Php[1][1], 250.0f);
    EXPECT_EQ(Php[0][0], 0.0f);

    trev_state->value(1);
    trev_taps->value(7);
    TreverbToArray();
    EXPECT_EQ(Ptrev[1][0], 1.0f);
    EXPECT_EQ(Ptrtn[2], 7.0f);
}
