#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Value_Input.H>
#include <gtest/gtest.h>

#include <cstring>

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

Fl_Widget *ButtonWithShortcut(int shortcut)
{
    for (int i = 0; i < ControlWindow->children(); i++) {
        Fl_Button *b = dynamic_cast<Fl_Button *>(ControlWindow->child(i));
        if (b && b->shortcut() == shortcut)
            return b;
    }
    return nullptr;
}

} // namespace

TEST(ControlWindow, StartUpShowsOnlyTheControlWindow)
{
    StartVeltrane();
    ASSERT_NE(ControlWindow, nullptr);
    EXPECT_STREQ(ControlWindow->label(), "Veltrane");
    EXPECT_EQ(ControlWindow->w(), 390);
    EXPECT_EQ(ControlWindow->h(), 175);
    EXPECT_EQ(ControlWindow->children(), 23);
    EXPECT_TRUE(ControlWindow->shown());
    EXPECT_STREQ(TextResponse->value(), VersionLine);
    EXPECT_STREQ(tbuffer, VersionLine);

    struct { Fl_Double_Window *window; const char *title; int w, h; } others[] = {
        {FadersWindow, "Faders", 620, 575},     {EffectsWindow, "Effects", 520, 620},
        {ReverbWindow, "Reverb", 410, 255},     {SubWindow, "Submix Matrix", 460, 280},
        {VCAWindow, "VCA Matrix", 460, 280},    {PrefsWindow, "Preferences", 430, 375},
    };
    for (const auto &o : others) {
        ASSERT_NE(o.window, nullptr);
        EXPECT_STREQ(o.window->label(), o.title);
        EXPECT_EQ(o.window->w(), o.w) << o.title;
        EXPECT_EQ(o.window->h(), o.h) << o.title;
        EXPECT_FALSE(o.window->shown()) << o.title;
    }
}

TEST(ControlWindow, ShowAndHideButtonsDriveTheirWindows)
{
    StartVeltrane();
    struct { int key; Fl_Double_Window **window; } pairs[] = {
        {'f', &FadersWindow}, {'e', &EffectsWindow}, {'r', &ReverbWindow},
        {'g', &SubWindow},    {'v', &VCAWindow},     {'p', &PrefsWindow},
    };
    for (const auto &p : pairs) {
        Fl_Widget *show = ButtonWithShortcut(FL_CTRL + p.key);
        Fl_Widget *hide = ButtonWithShortcut(FL_CTRL + FL_SHIFT + p.key);
        ASSERT_NE(show, nullptr) << char(p.key);
        ASSERT_NE(hide, nullptr) << char(p.key);
        EXPECT_STREQ(show->label(), "Show");
        EXPECT_STREQ(hide->label(), "Hide");
        show->do_callback();
        PumpEvents();
        EXPECT_TRUE((*p.window)->shown()) << char(p.key);
        EXPECT_TRUE((*p.window)->visible()) << char(p.key);
        hide->do_callback();
        PumpEvents();
        EXPECT_FALSE((*p.window)->visible()) << char(p.key);
    }
}

TEST(ControlWindow, MenusHoldTheStoreAndRecallItems)
{
    StartVeltrane();
    const char *store[] = {"Store Faders / Effects", "Store Track Names", "Store Preferences", "Store All"};
    const char *recall[] = {"Recall Faders / Effects", "Recall Track Names", "Recall Preferences", "Recall All",
                            "Revert All"};
    Fl_Menu_Button *menus[2] = {nullptr, nullptr};
    for (int i = 0; i < ControlWindow->children(); i++) {
        Fl_Menu_Button *m = dynamic_cast<Fl_Menu_Button *>(ControlWindow->child(i));
        if (m && strcmp(m->label(), "Recall") == 0) menus[0] = m;
        if (m && strcmp(m->label(), "Store") == 0) menus[1] = m;
    }
    ASSERT_TRUE(menus[0] && menus[1]);
    for (int i = 0; i < 5; i++)
        EXPECT_STREQ(menus[0]->menu()[i].label(), recall[i]);
    for (int i = 0; i < 4; i++) {
        EXPECT_STREQ(menus[1]->menu()[i].label(), store[i]);
        EXPECT_EQ(menus[1]->menu()[i].labelsize(), 14);
    }
    EXPECT_EQ(menus[1]->menu()[3].shortcut(), FL_CTRL + 's');
    EXPECT_EQ(menus[0]->menu()[4].shortcut(), FL_CTRL + 'o');
    EXPECT_EQ(menus[0]->menu()[5].label(), nullptr);
}

TEST(ControlWindow, EditsClearTheDisplayButKeepTheMessage)
{
    StartVeltrane();
    SetStatus("Wrote %i bytes to faders.txt", 177);
    EXPECT_STREQ(TextResponse->value(), "Wrote 177 bytes to faders.txt");
    ClearStatus();
    EXPECT_STREQ(TextResponse->value(), "");
    EXPECT_STREQ(tbuffer, "Wrote 177 bytes to faders.txt");
    UpdateGUI();
    EXPECT_STREQ(TextResponse->value(), "Wrote 177 bytes to faders.txt");

    std::string huge(1000, 'y');
    SetStatus("%s", huge.c_str());
    EXPECT_EQ(strlen(tbuffer), 255u);
}

TEST(ControlWindow, ShowPrefsRefreshesTheFieldsFirst)
{
    StartVeltrane();
    PanlawStore = 4.5f;
    OutbitsStore = 16;
    CopyText(Path, PATH_SIZE, "/opt/engine/");
    EXPECT_NE(panlaw->value(), 4.5);
    ButtonWithShortcut(FL_CTRL + 'p')->do_callback();
    PumpEvents();
    EXPECT_TRUE(PrefsWindow->visible());
    EXPECT_DOUBLE_EQ(panlaw->value(), 4.5);
    EXPECT_EQ(outbits16button->value(), 1);
    EXPECT_EQ(outbits24button->value(), 0);
    EXPECT_STREQ(PathDisplay->value(), "/opt/engine/");
    HidePrefs();
}

namespace {

// A field that takes Escape for itself, as an entry does that Escape closes.
struct EscapeTaker : Fl_Input {
    int escapes = 0;
    EscapeTaker() : Fl_Input(10, 10, 80, 20) {}
    int handle(int event) override
    {
        if (event == FL_KEYBOARD && Fl::event_key() == FL_Escape) {
            escapes++;
            return 1;
        }
        return Fl_Input::handle(event);
    }
};

} // namespace

TEST(ControlWindow, EscapeClosesNoWindowButTheWindowManagerDoes)
{
    StartVeltrane();
    FadersWindow->show();
    PumpEvents();
    Fl::focus(nullptr);
    PressKey(ControlWindow, FL_Escape, "\033");
    EXPECT_TRUE(ControlWindow->shown()) << "Escape in the control window";
    Fl::focus(CueName);
    PressKey(FadersWindow, FL_Escape, "\033");
    EXPECT_TRUE(FadersWindow->shown()) << "Escape in a text field of the faders window";

    // A widget that wants Escape still gets it.
    Fl_Double_Window other(100, 40);
    EscapeTaker *entry = new EscapeTaker;
    other.end();
    other.show();
    PumpEvents();
    Fl::focus(entry);
    PressKey(&other, FL_Escape, "\033");
    EXPECT_EQ(entry->escapes, 1);
    other.hide();

    // Closing through the window manager hides the window.
    Fl::handle(FL_CLOSE, FadersWindow);
    EXPECT_FALSE(FadersWindow->shown());
    EXPECT_TRUE(ControlWindow->shown());
    PumpEvents();
}
