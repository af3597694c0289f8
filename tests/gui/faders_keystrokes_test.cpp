// Values typed key by key into the strip fields: only the finished value meets its test.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/control.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "gui_harness.h"
#include "state/mix_state.h"

namespace {

void Key(Fl_Widget *target, int keysym, const char *text)
{
    Fl::e_keysym = keysym;
    Fl::e_text = const_cast<char *>(text);
    Fl::e_length = int(std::string(text).size());
    Fl::e_state = 0;
    target->handle(FL_KEYBOARD);
}

// Empties the field and types the text one key at a time, as a user does.
void TypeKeys(Fl_Value_Input *field, const char *text)
{
    field->input.value("");
    Fl::focus(&field->input);
    for (const char *c = text; *c; c++) {
        char key[2] = {*c, 0};
        Key(&field->input, *c, key);
    }
}

void PressEnter(Fl_Value_Input *field)
{
    Key(&field->input, FL_Enter, "\r");
}

} // namespace

TEST(FadersKeystrokes, TypedValuesAreTestedWhenComplete)
{
    StartVeltrane();
    FadersWindow->show();
    PumpEvents();

    TypeKeys(pan1, "150");
    EXPECT_EQ(Pan[1], 0.0f) << "nothing is stored while typing";
    PressEnter(pan1);
    EXPECT_EQ(Pan[1], 0.0f) << "150 is refused, not stored as 15";
    EXPECT_EQ(std::string(pan1->input.value()), "0") << "the refused 150 gives way to the stored pan";

    TypeKeys(pan1, "-100");
    PressEnter(pan1);
    EXPECT_EQ(Pan[1], -100.0f);

    Ramp[Cell(1, 0)] = 2.0f;
    UpdateRamp();
    TypeKeys(ramp1, "-5");
    PressEnter(ramp1);
    EXPECT_EQ(Ramp[Cell(1, 0)], 2.0f) << "-5 is refused, not stored as 0 on the way";

    TypeKeys(shape1, "20");
    PressEnter(shape1);
    EXPECT_EQ(Shape[Cell(1, 0)], 20.0f);
    FadersWindow->hide();
}

// Storing tracks.txt names and mutes the unnamed channels below the last named one; the
// window shows it, so the next mute click in the bank keeps those mutes.
TEST(FadersKeystrokes, StoreTrackNamesShowsTheNamesAndMutesItSets)
{
    StartVeltrane();
    char dir[] = "/tmp/veltrane-tracks-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    ASSERT_EQ(chdir(dir), 0);
    CopyText(NameBuffer[3], NAME_SIZE, "Snare");
    UpdateNames();

    ASSERT_TRUE(StoreTrackNames());
    EXPECT_STREQ(name1->value(), "----");
    EXPECT_EQ(mute1->value(), 1);
    EXPECT_EQ(mute2->value(), 1);
    EXPECT_EQ(mute3->value(), 0);

    mute4->value(1);
    mute4->do_callback();
    EXPECT_EQ(MuteArray[1], 1);
    EXPECT_EQ(MuteArray[2], 1);
    EXPECT_EQ(MuteArray[4], 1);
}
