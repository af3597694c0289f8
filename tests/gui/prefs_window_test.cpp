#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

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

    // A number no float holds is refused, and the field shows the stored one again.
    head->value(1e300);
    head->do_callback();
    EXPECT_TRUE(std::isfinite(HeadTailArray[0]));
    EXPECT_EQ(head->value(), double(HeadTailArray[0]));
    panlaw->value(HUGE_VAL);
    panlaw->do_callback();
    EXPECT_FLOAT_EQ(PanlawStore, 4.5f);
    EXPECT_EQ(panlaw->value(), 4.5);

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

namespace {

// The chooser's own window and widgets, which it keeps to itself.
Fl_Window *ChooserWindow()
{
    for (Fl_Window *w = Fl::first_window(); w; w = Fl::next_window(w))
        if (w->label() == CH->label())
            return w;
    return nullptr;
}

template <class Widget>
Widget *Find(Fl_Group *group, const char *label = nullptr)
{
    for (int i = 0; i < group->children(); i++) {
        Fl_Widget *child = group->child(i);
        Widget *w = dynamic_cast<Widget *>(child);
        if (w && (!label || (w->label() && strcmp(w->label(), label) == 0)))
            return w;
        if (Fl_Group *inner = child->as_group())
            if (Widget *found = Find<Widget>(inner, label))
                return found;
    }
    return nullptr;
}

// A key typed into the focused widget of the open chooser.
void PressInChooser(int key, Fl_Widget *focus)
{
    Fl::focus(focus);
    PressKey(ChooserWindow(), key, key == FL_Escape ? "\033" : "\r");
}

} // namespace

TEST(PrefsWindow, EveryWayTheChooserConfirmsFillsTheFieldAndEachOpeningStartsFresh)
{
    StartVeltrane();
    ScratchDirectory scratch;   // holding two sound files
    fclose(fopen("kick.wav", "w"));
    fclose(fopen("snare.wav", "w"));
    const std::string kick = std::string(scratch.path) + "/kick.wav";
    const std::string snare = std::string(scratch.path) + "/snare.wav";

    // A name typed into the Filename field and confirmed with Return.
    browse2->do_callback();
    PumpEvents();
    Fl_File_Input *filename = Find<Fl_File_Input>(ChooserWindow());
    ASSERT_NE(filename, nullptr);
    filename->value(kick.c_str());
    PressInChooser(FL_Enter, filename);
    EXPECT_FALSE(CH->shown());
    EXPECT_EQ(NameBuffer[2], kick);

    // The next opening, of the directory chooser, starts on the working directory with
    // nothing chosen and OK ready; Return in its field takes the directory.
    browseD2->do_callback();
    PumpEvents();
    EXPECT_EQ(std::string(CH->value(1)), std::string(scratch.path) + "/");
    EXPECT_TRUE(Find<Fl_Return_Button>(ChooserWindow(), "OK")->active());
    PressInChooser(FL_Enter, Find<Fl_File_Input>(ChooserWindow()));
    EXPECT_STREQ(WavDirName, scratch.path);
    EXPECT_STREQ(WavDirDisplay->value(), scratch.path);

    // OK after picking a file; the file chooser had nothing preselected.
    browse3->do_callback();
    PumpEvents();
    EXPECT_EQ(std::string(CH->value(1)), std::string(scratch.path) + "/");
    CH->value(snare.c_str());
    Find<Fl_Return_Button>(ChooserWindow(), "OK")->do_callback();
    EXPECT_EQ(NameBuffer[3], snare);

    // Cancel, Escape and closing the window fill nothing.
    for (int way = 0; way < 3; way++) {
        browse4->do_callback();
        PumpEvents();
        CH->value(kick.c_str());
        if (way == 0)
            Find<Fl_Button>(ChooserWindow(), "Cancel")->do_callback();
        else if (way == 1)
            PressInChooser(FL_Escape, Find<Fl_File_Input>(ChooserWindow()));
        else
            Fl::handle(FL_CLOSE, ChooserWindow());
        EXPECT_FALSE(CH->shown()) << way;
        EXPECT_EQ(NameBuffer[4][0], 0) << way;
    }
    PumpEvents();
}

TEST(PrefsWindow, ChosenTextsStayOnOneLineAndColourClearsTheStatusLine)
{
    StartVeltrane();
    BrowseNumber = 6;
    SetChosenFile("/takes/kick\nin.wav");
    EXPECT_STREQ(NameBuffer[6], "/takes/kick in.wav");
    BrowseNumber = 3;
    SetChosenDirectory("/mixes\r\nday 2");
    EXPECT_STREQ(MixDirName, "/mixes  day 2");
    LaunchDisplay->value("render\nnow");
    LaunchDisplay->do_callback();
    EXPECT_STREQ(LaunchCommand, "render now");

    // "Color" is a numeric edit and clears the status line; the refresh that applies the
    // colour does not.
    SetStatus("Read 90 bytes from prefs.txt");
    bgcolor->value(12);
    bgcolor->do_callback();
    EXPECT_STREQ(TextResponse->value(), "");
    EXPECT_STREQ(tbuffer, "Read 90 bytes from prefs.txt");
    ShowStatus();
    UpdatePreferences();
    EXPECT_STREQ(TextResponse->value(), "Read 90 bytes from prefs.txt");
    color = 97;
    UpdatePreferences();

    // Every labelled control has label size 12, "Mix" too.
    EXPECT_EQ(MixButton->labelsize(), 12);
    EXPECT_EQ(bgcolor->labelsize(), 12);
}
