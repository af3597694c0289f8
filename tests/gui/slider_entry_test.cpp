// Typed values in the effect and reverb sliders, driven through the event dispatch as the
// toolkit delivers a user's clicks and keys.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/control.h"
#include "effects/effects_window.h"
#include "effects/slider_entry.h"
#include "effects_test_clicks.h"
#include "files/project_files.h"
#include "gui_harness.h"
#include "state/status_message.h"

namespace {

void ShowBothWindows()
{
    StartVeltrane();
    EditChannel(1);
    EffectsWindow->show();
    ReverbWindow->show();
    PumpEvents();
}

// A press and release of the left button at a point of a widget's window; clicks counts the
// earlier clicks of a double click, as the toolkit does.
void ClickAt(Fl_Widget *widget, int dx, int dy, int clicks)
{
    Fl_Window *window = widget->window();
    Fl::e_x = widget->x() + dx;
    Fl::e_y = widget->y() + dy;
    Fl::e_x_root = window->x() + Fl::e_x;
    Fl::e_y_root = window->y() + Fl::e_y;
    Fl::e_clicks = clicks;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = FL_BUTTON1;
    Fl::handle(FL_PUSH, window);
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, window);
}

// On the value box at the slider's left end, which a single click leaves alone.
void DoubleClick(Fl_Value_Slider *slider)
{
    ClickAt(slider, 10, 10, 0);
    ClickAt(slider, 10, 10, 1);
}

// Types over the marked text key by key, then presses the given key (Return by default).
void TypeInto(Fl_Value_Slider *slider, const char *text, int finish = FL_Enter)
{
    Fl_Window *window = slider->window();
    for (const char *c = text; *c; c++) {
        char key[2] = {*c, 0};
        PressKey(window, *c, key);
    }
    PressKey(window, finish, finish == FL_Enter ? "\r" : "");
}

// Double click, type, Return.
void Enter(Fl_Value_Slider *slider, const char *text)
{
    DoubleClick(slider);
    ASSERT_EQ(SliderEntryTarget(), slider) << slider->label();
    TypeInto(slider, text);
}

bool StoredLine(const std::string &wanted)
{
    std::ifstream file("faders.txt", std::ios::binary);
    std::string line;
    while (std::getline(file, line))
        if (line == wanted + "\r")
            return true;
    return false;
}

} // namespace

// The entry opens holding the shown value, marked; what it stores equals a slider released
// at the same value, in the state and in faders.txt.
TEST(SliderEntry, TypedValueStoresAsAReleasedSliderWould)
{
    ShowBothWindows();
    ScratchDirectory dir;
    int children = EffectsWindow->children();
    Click(comp0);
    SetStatus("earlier message");

    DoubleClick(comp1);
    ASSERT_EQ(SliderEntryTarget(), comp1);
    EXPECT_EQ(SliderEntry->window(), EffectsWindow);
    EXPECT_EQ(std::string(SliderEntry->value()), "0.0");
    EXPECT_EQ(SliderEntry->mark(), 0);
    EXPECT_EQ(SliderEntry->position(), SliderEntry->size());
    EXPECT_EQ(comp1->value(), 0) << "the double click on the value box moved nothing";
    TypeInto(comp1, "-12");
    EXPECT_EQ(SliderEntryTarget(), nullptr);
    EXPECT_FALSE(SliderEntry->visible());
    EXPECT_EQ(EffectsWindow->children(), children) << "the closed entry belongs to no window";
    EXPECT_EQ(Pcomp[1][1], -12.0f);
    EXPECT_STREQ(TextResponse->value(), "") << "the store clears the status line";
    EXPECT_EQ(Fl::focus(), comp1);

    // Return on the focused slider opens the entry too; "+" and spaces around are allowed.
    PressKey(EffectsWindow, FL_Enter, "\r");
    ASSERT_EQ(SliderEntryTarget(), comp1);
    TypeInto(comp1, " +-0.04 ");
    EXPECT_EQ(SliderEntryTarget(), comp1) << "\"+-\" is no number";
    SliderEntry->value(" -5 ");
    PressKey(EffectsWindow, FL_KP_Enter);
    EXPECT_EQ(Pcomp[1][1], -5.0f);

    // The same value released on channel 2's slider: the stored lines agree.
    Enter(comp1, "-12,34");
    EXPECT_FLOAT_EQ(comp1->value(), -12.3) << "rounded to the step (the refresh shows the stored float)";
    EditChannel(2);
    Click(comp0);
    Release(comp1, -12.3);
    StageWriteToFile();
    EXPECT_TRUE(StoredLine("comp\t1\t-12.3\t10.0\t100.0\t1.5"));
    EXPECT_TRUE(StoredLine("comp\t2\t-12.3\t10.0\t100.0\t1.5"));

    // Ctrl+M mixes with the typed value: it is stored before the store of the mix.
    DoubleClick(comp1);
    SliderEntry->value("-7");
    PressKey(EffectsWindow, 'm', "\r", FL_CTRL);
    EXPECT_EQ(SliderEntryTarget(), nullptr);
    EXPECT_TRUE(StoredLine("comp\t2\t-7.0\t10.0\t100.0\t1.5")) << "channel 2 is shown";

    // The arrow keys still step the focused slider and store at once.
    Fl::focus(comp2);
    PressKey(EffectsWindow, FL_Right);
    EXPECT_FLOAT_EQ(Pcomp[2][2], 10.1f);
}

// Rounded to the step as a drag would round it, then kept in the range as a drag keeps it.
TEST(SliderEntry, RoundsToTheStepInBothWindows)
{
    ShowBothWindows();
    Enter(rev_size, "144");
    EXPECT_EQ(Prtn[1], 140.0f);
    EXPECT_EQ(SliderEntry->window(), nullptr);
    Enter(trev_size, "25");
    EXPECT_EQ(Ptrtn[1], 25.0f) << "the lowest end stays reachable though 25 is no multiple of 10";
    Enter(trev_taps, "7,4");
    EXPECT_EQ(Ptrtn[2], 7.0f);
    Enter(lshelf2, "-3,5");
    EXPECT_EQ(Plshelf[1][2], -3.5f);
    Enter(rms4, "1.1");
    EXPECT_EQ(Prms[1][4], 1.1f);
}

// Refused text keeps the entry open and marked, says the range, and stores nothing; Escape
// closes it, stores nothing and closes no window.
TEST(SliderEntry, RefusesWhatTheSliderCannotHold)
{
    ShowBothWindows();
    // The low shelf loads its default 500, outside its 30 to 300.
    DoubleClick(lshelf1);
    EXPECT_EQ(std::string(SliderEntry->value()), "500");
    PressKey(EffectsWindow, FL_Enter, "\r");
    EXPECT_EQ(SliderEntryTarget(), lshelf1);
    EXPECT_EQ(std::string(tbuffer), "Hz: 30 to 300");
    EXPECT_EQ(Plshelf[1][1], 500.0f);

    for (const char *text : {"301", "29.9", "abc", "12abc", "", "1,2,3", "nan", "inf", "1e400"}) {
        SliderEntry->value(text);
        PressKey(EffectsWindow, FL_Enter, "\r");
        EXPECT_EQ(SliderEntryTarget(), lshelf1) << text;
        EXPECT_EQ(SliderEntry->mark(), 0) << text;
        EXPECT_EQ(SliderEntry->position(), SliderEntry->size()) << text;
    }
    EXPECT_EQ(Plshelf[1][1], 500.0f);

    // A click elsewhere with a refused text does not act either.
    ClickAt(comp0, 5, 5, 0);
    EXPECT_EQ(SliderEntryTarget(), lshelf1);
    EXPECT_FALSE(comp0->value());

    TypeInto(lshelf1, "120", FL_Escape);
    EXPECT_EQ(SliderEntryTarget(), nullptr);
    EXPECT_EQ(Plshelf[1][1], 500.0f);
    EXPECT_TRUE(EffectsWindow->shown());
    EXPECT_EQ(Fl::focus(), lshelf1);

    DoubleClick(trev_taps);
    TypeInto(trev_taps, "0");
    EXPECT_EQ(std::string(tbuffer), "tap count: 1 to 11");
    TypeInto(trev_taps, "9", FL_Escape);
    EXPECT_EQ(Ptrtn[2], 5.0f);
    EXPECT_TRUE(ReverbWindow->shown());
}

// Tab and a click elsewhere store like Return; Tab then moves on along the sliders.
TEST(SliderEntry, TabAndClickElsewhereStore)
{
    ShowBothWindows();
    DoubleClick(comp2);
    TypeInto(comp2, "20", FL_Tab);
    EXPECT_EQ(Pcomp[1][2], 20.0f);
    EXPECT_EQ(Fl::focus(), comp3);
    EXPECT_EQ(comp3->color(), 215u) << "the focused slider stands out";
    EXPECT_EQ(comp2->color(), comp1->color()) << "and only that one";

    DoubleClick(nlc2);
    SliderEntry->value("1500");
    ClickAt(nlc0, 5, 5, 0);
    EXPECT_EQ(SliderEntryTarget(), nullptr);
    EXPECT_EQ(Pnlc[1][2], 1500.0f);
    EXPECT_TRUE(nlc0->value()) << "the click that stored the value also acts";

    // The reverb window's Tab goes along its rows on screen, and round.
    Fl::focus(trev_rtn);
    PressKey(ReverbWindow, FL_Tab);
    EXPECT_EQ(Fl::focus(), trev_size);
    DoubleClick(trev_size);
    TypeInto(trev_size, "300", FL_Tab);
    EXPECT_EQ(Ptrtn[1], 300.0f);
    EXPECT_EQ(Fl::focus(), trev_taps);
    PressKey(ReverbWindow, FL_Tab);
    EXPECT_EQ(Fl::focus(), Rev_HP0);
    PressKey(ReverbWindow, FL_Tab, "", FL_SHIFT);
    EXPECT_EQ(Fl::focus(), trev_taps);
    Fl::focus(rev_positionZ);
    PressKey(ReverbWindow, FL_Tab);
    EXPECT_EQ(Fl::focus(), rev_rtn);
}

TEST(SliderEntry, TooltipsGiveNameAndRange)
{
    StartVeltrane();
    EXPECT_STREQ(lshelf1->tooltip(), "Hz, 30 to 300");
    EXPECT_STREQ(comp1->tooltip(), "threshold, -30 to 0");
    EXPECT_STREQ(rev_size->tooltip(), "room length (ft), 25 to 1000");
    EXPECT_STREQ(rev_positionZ->tooltip(), "position: floor / ceiling, 0 to 100");
}
