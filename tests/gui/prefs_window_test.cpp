#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/control.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "gui_harness.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

namespace {

void Click(Fl_Button *button, int value)
{
    button->value(value);
    button->do_callback();
}

} // namespace

TEST(PrefsWindow, HasItsControlsInCreationOrder)
{
    StartVeltrane();
    EXPECT_STREQ(PrefsWindow->label(), "Preferences");
    ASSERT_EQ(PrefsWindow->children(), 28);
    EXPECT_EQ(PrefsWindow->child(0), PreOn);
    EXPECT_EQ(PrefsWindow->child(14), MixButton);
    EXPECT_EQ(PrefsWindow->child(27), bgcolor);
    EXPECT_EQ(MixButton->shortcut(), FL_CTRL + 'm');
    EXPECT_STREQ(PathDisplay->label(), "Path to Tolvex");
    EXPECT_EQ(panlaw->maximum(), 6);
}

TEST(PrefsWindow, PreviewAndWordLengthButtonsStayExclusiveBothWays)
{
    StartVeltrane();
    SetStatus("Wrote 82 bytes to prefs.txt");
    // Each pair: first button, second button, the setting, its value with each button on.
    const struct { Fl_Button *first, *second; int *setting, first_on, second_on; } pairs[] = {
        {PreOn, PreOff, &PreviewOn, 1, 0},
        {outbits16button, outbits24button, &OutbitsStore, 16, 24},
    };
    for (const auto &p : pairs) {
        for (Fl_Button *clicked : {p.first, p.second}) {
            Fl_Button *other = clicked == p.first ? p.second : p.first;
            int clicked_on = clicked == p.first ? p.first_on : p.second_on;
            int other_on = clicked == p.first ? p.second_on : p.first_on;
            for (int state : {1, 0}) {
                Click(clicked, state);
                EXPECT_EQ(other->value(), !state) << clicked->label();
                EXPECT_EQ(*p.setting, state ? clicked_on : other_on) << clicked->label();
                EXPECT_STREQ(TextResponse->value(), "");
            }
        }
    }
    EXPECT_STREQ(tbuffer, "Wrote 82 bytes to prefs.txt");
}

TEST(PrefsWindow, UpdatePreferencesShowsTheStateAndLeavesOddWordLengths)
{
    StartVeltrane();
    PreviewOn = 1;
    const float preview[4] = {1, 2.5f, 300, 42};
    memcpy(PreviewArray, preview, sizeof preview);
    XinArray[2] = 0.5f;
    XoutArray[0] = 2;
    HeadTailArray[1] = 0.25f;
    CopyText(Path, PATH_SIZE, "/opt/engine/");
    CopyText(LaunchCommand, PATH_SIZE, "play -q");
    OutbitsStore = 16;
    monoOn = 1;
    PanlawStore = 4.5f;
    DitherBits = 3;
    UpdatePreferences();
    EXPECT_EQ(PreOn->value(), 1);
    EXPECT_EQ(PreOff->value(), 0);
    EXPECT_EQ(Preview_Sec->value(), 2.5);
    EXPECT_EQ(Preview_Length->value(), 42);
    EXPECT_EQ(Xin_Msec->value(), 0.5);
    EXPECT_EQ(Xout_Min->value(), 2);
    EXPECT_EQ(tail->value(), 0.25);
    EXPECT_STREQ(PathDisplay->value(), "/opt/engine/");
    EXPECT_STREQ(LaunchDisplay->value(), "play -q");
    EXPECT_EQ(outbits16button->value(), 1);
    EXPECT_EQ(outbits24button->value(), 0);
    EXPECT_EQ(monobutton->value(), 1);
    EXPECT_FLOAT_EQ(panlaw->value(), 4.5);
    EXPECT_EQ(dither->value(), 3);

    // A hand-edited word length of 20 leaves both buttons as they were.
    OutbitsStore = 20;
    UpdatePreferences();
    EXPECT_EQ(outbits16button->value(), 1);
    EXPECT_EQ(outbits24button->value(), 0);
    EXPECT_EQ(OutbitsStore, 20);
}

TEST(PrefsWindow, ColourIsClampedAndRepaintsAllSevenWindows)
{
    StartVeltrane();
    Fl_Double_Window *windows[] = {ControlWindow, FadersWindow, EffectsWindow, ReverbWindow,
                                   SubWindow, VCAWindow, PrefsWindow};
    bgcolor->value(300);
    bgcolor->do_callback();
    EXPECT_EQ(color, 255);
    EXPECT_EQ(bgcolor->value(), 255);
    for (Fl_Double_Window *window : windows)
        EXPECT_EQ(window->color(), 255u) << window->label();

    bgcolor->value(-4);
    bgcolor->do_callback();
    EXPECT_EQ(color, 0);
    for (Fl_Double_Window *window : windows)
        EXPECT_EQ(window->color(), 0u) << window->label();

    // A recalled colour reaches the windows through the refresh.
    color = 12;
    UpdatePreferences();
    for (Fl_Double_Window *window : windows)
        EXPECT_EQ(window->color(), 12u) << window->label();
    color = 97;
    UpdatePreferences();
}

TEST(PrefsWindow, DitherAndTextsKeepTheStatusLineNumbersClearIt)
{
    StartVeltrane();
    SetStatus("Read 90 bytes from prefs.txt");
    dither->value(4.7);
    dither->do_callback();
    EXPECT_EQ(DitherBits, 4);
    LaunchDisplay->value("render --fast");
    LaunchDisplay->do_callback();
    EXPECT_STREQ(LaunchCommand, "render --fast");
    EXPECT_STREQ(TextResponse->value(), "Read 90 bytes from prefs.txt");

    panlaw->value(4.5);
    panlaw->do_callback();
    EXPECT_FLOAT_EQ(PanlawStore, 4.5f);
    EXPECT_STREQ(TextResponse->value(), "");
    EXPECT_STREQ(tbuffer, "Read 90 bytes from prefs.txt");

    Xout_Sec->value(1.25);
    Xout_Sec->do_callback();
    EXPECT_FLOAT_EQ(XoutArray[1], 1.25f);
    Preview_Msec->value(250);
    Preview_Msec->do_callback();
    EXPECT_FLOAT_EQ(PreviewArray[2], 250);

    // Over-long text is cut to fit its buffer.
    std::string long_path(400, 'p');
    PathDisplay->value(long_path.c_str());
    PathDisplay->do_callback();
    EXPECT_EQ(strlen(Path), size_t(PATH_SIZE - 1));
}

TEST(PrefsWindow, ChosenFileNamesTheChannelOfTheShownBank)
{
    StartVeltrane();
    Bank->value(2);
    Bank->do_callback();
    BrowseNumber = 3;
    SetChosenFile("/takes/snare_top.wav");
    EXPECT_STREQ(NameBuffer[13], "/takes/snare_top.wav");
    EXPECT_STREQ(name3->value(), "/takes/snare_top.wav");
    EXPECT_EQ(NameBuffer[3][0], 0);

    std::string long_name(300, 'n');
    BrowseNumber = 10;
    SetChosenFile(long_name.c_str());
    EXPECT_EQ(strlen(NameBuffer[20]), size_t(NAME_SIZE - 1));

    // A field number the chooser was not opened for changes nothing.
    BrowseNumber = 11;
    SetChosenFile("/takes/none.wav");
    EXPECT_EQ(NameBuffer[21][0], 0);
    Bank->value(1);
    Bank->do_callback();
}

TEST(PrefsWindow, ChosenDirectoryFillsTheFieldItWasOpenedFor)
{
    StartVeltrane();
    const struct { int field; char *text; Fl_Input *display; } fields[] = {
        {1, Path, PathDisplay}, {2, WavDirName, WavDirDisplay}, {3, MixDirName, MixDirDisplay}};
    for (const auto &f : fields) {
        BrowseNumber = f.field;
        SetChosenDirectory("/srv/session");
        EXPECT_STREQ(f.text, "/srv/session") << f.field;
        EXPECT_STREQ(f.display->value(), "/srv/session") << f.field;
    }
}

TEST(PrefsWindow, OneChooserServesEveryBrowseButton)
{
    StartVeltrane();
    browseD2->do_callback();
    PumpEvents();
    Fl_File_Chooser *first = CH;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(BrowseNumber, 2);
    EXPECT_EQ(CH->type(), Fl_File_Chooser::DIRECTORY);
    // A selection while the chooser is still open is not a choice.
    CopyText(WavDirName, PATH_SIZE, "kept");
    Set_Directory(CH, nullptr);
    EXPECT_STREQ(WavDirName, "kept");
    CH->hide();

    browse4->do_callback();
    PumpEvents();
    EXPECT_EQ(CH, first);
    EXPECT_EQ(BrowseNumber, 4);
    EXPECT_EQ(CH->type(), Fl_File_Chooser::SINGLE);
    CH->hide();
    PumpEvents();
}
