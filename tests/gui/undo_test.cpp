// Undo and redo of each kind of step, through the real windows: undoing gives back the state
// and every widget as they were before, redoing as they were after.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Valuator.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "app/control.h"
#include "app/edit_end.h"
#include "app/undo.h"
#include "effects/effects_layout.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "effects/matrix_layout.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "../core/journaled_state.h"
#include "gui_harness.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"
#include "state/status_message.h"
#include "state/undo_journal.h"

extern Fl_Menu_Item menu_Store[];
extern Fl_Menu_Item menu_Recall[];

namespace {

Fl_Double_Window **const windows[] = {&ControlWindow, &FadersWindow, &EffectsWindow, &ReverbWindow,
                                      &SubWindow, &VCAWindow, &PrefsWindow};

// What every widget of the seven windows shows (the status line aside), as text.
void Describe(Fl_Widget *w, std::string &out)
{
    char value[64] = "";
    if (const Fl_Input_ *in = dynamic_cast<const Fl_Input_ *>(w)) {
        if (w != TextResponse)
            out += std::string(in->value()) + "|";
    } else if (const Fl_Spinner *s = dynamic_cast<const Fl_Spinner *>(w)) {
        snprintf(value, sizeof value, "%.9g|", s->value());
    } else if (const Fl_Valuator *v = dynamic_cast<const Fl_Valuator *>(w)) {
        snprintf(value, sizeof value, "%.9g|", v->value());
    } else if (const Fl_Button *b = dynamic_cast<const Fl_Button *>(w)) {
        snprintf(value, sizeof value, "%d|", b->value());
    }
    out += value;
    if (const Fl_Group *g = dynamic_cast<const Fl_Group *>(w))
        if (!dynamic_cast<const Fl_Spinner *>(w) && !dynamic_cast<const Fl_Value_Input *>(w))
            for (int i = 0; i < g->children(); i++)
                Describe(g->child(i), out);
}

struct Picture {
    std::string state, widgets;
};

Picture Take()
{
    Picture p;
    p.state = JournaledState();
    for (Fl_Double_Window **window : windows) {
        p.widgets += std::to_string((*window)->color()) + ":";
        Describe(*window, p.widgets);
    }
    return p;
}

// The next test starts from the defaults, the faders window at index `index` of bank `bank`,
// and an empty history.
void Fresh(int index = 1, int bank = 1)
{
    StartVeltrane();
    TimeIndex->value(index);
    Bank->value(bank);
    Bank->do_callback();
    JournalStart();
}

// Runs `action`, then undoes and redoes it, checking the state and all widgets each time.
void ExpectUndoable(void (*action)(), const char *named)
{
    UpdateGUI();
    const Picture before = Take();
    const int steps = JournalUndoCount();
    action();
    EXPECT_EQ(JournalUndoCount(), steps + 1) << named;
    UpdateGUI();
    const Picture after = Take();
    ASSERT_TRUE(before.state != after.state) << named;

    UndoLastEdit();
    EXPECT_EQ(std::string(tbuffer), std::string("Undo: ") + named);
    EXPECT_TRUE(before.state == Take().state) << named;
    EXPECT_EQ(before.widgets, Take().widgets) << named;

    RedoLastEdit();
    EXPECT_EQ(std::string(tbuffer), std::string("Redo: ") + named);
    EXPECT_TRUE(after.state == Take().state) << named;
    EXPECT_EQ(after.widgets, Take().widgets) << named;
}

template <typename Widget>
void Change(Widget *w, double value)
{
    w->value(value);
    w->do_callback();
}

void Type(Fl_Input *field, const char *text)
{
    field->value(text);
    field->do_callback();
}

Fl_Menu_Button *MenuButtonOf(Fl_Double_Window *window, const Fl_Menu_Item *menu)
{
    for (int i = 0; i < window->children(); i++)
        if (Fl_Menu_Button *b = dynamic_cast<Fl_Menu_Button *>(window->child(i)))
            if (b->menu() == menu)
                return b;
    return nullptr;
}

// Picks a menu item as a click on it does: the menu button remembers the item, then its callback runs.
void Pick(Fl_Double_Window *window, Fl_Menu_Item *menu, int item)
{
    Fl_Menu_Button *button = MenuButtonOf(window, menu);
    ASSERT_NE(button, nullptr);
    button->picked(&menu[item]);
}

enum { INSERT, REMOVE, PROPAGATE };

void MarkIndices()
{
    for (int n = 0; n < INDEX_COUNT; n++) {
        Volume[Cell(1, n)] = -0.25f * n;
        Ramp[Cell(2, n)] = float(n);
        ChanActive[Cell(1, n)] = 1;
        IndexSec[n] = n + 0.5f;
        IndexActiveArray[n] = n % 3 == 0;
    }
}

void Key(int key, int state)
{
    PressKey(FadersWindow, key, "", state);
}

} // namespace

TEST(Undo, FadersWindowEdits)
{
    Fresh(5, 2);
    ExpectUndoable([] { Change(vol3, -6.5); }, "volume, index 5, channel 13");
    ExpectUndoable([] { Change(pan1, -40); }, "pan, channel 11");
    ExpectUndoable([] { Change(ofs13, 2); }, "offset, index 5, master");
    ExpectUndoable([] { Change(shape12, 2); }, "shape, index 5, VCA 2");
    ExpectUndoable([] { Change(A2, 1); }, "auto, index 5, channel 12");
    ExpectUndoable([] { Change(mute4, 1); }, "mute, channel 14");
    ExpectUndoable([] { Change(solo11, 1); }, "solo, submix 2");
    ExpectUndoable([] { Change(GuiSec, 12); }, "time, index 5");
    ExpectUndoable([] { Change(IndexActive, 1); }, "active, index 5");
    ExpectUndoable([] { Type(CueName, "Chorus"); }, "cue name, index 5");
    ExpectUndoable([] { Type(MixNameInput, "Take 2"); }, "mix name");
    // A name shows in the faders, effects and matrix windows alike.
    ExpectUndoable([] { Type(name1, "Kick"); }, "name, channel 11");
    EXPECT_EQ(TimeIndex->value(), 5);
    EXPECT_EQ(Bank->value(), 2);
}

TEST(Undo, IndexEditsAtFirstMiddleAndLastIndex)
{
    static const struct {
        int item;
        const char *named;
    } edits[] = {{INSERT, "Insert Index"}, {REMOVE, "Remove Index"}, {PROPAGATE, "Propagate Index"}};
    static int item;
    for (int index : {1, 256, int(INDEX_COUNT)}) {
        for (const auto &edit : edits) {
            SCOPED_TRACE(std::string(edit.named) + " at index " + std::to_string(index));
            Fresh(index, 1);
            MarkIndices();
            JournalStart();
            item = edit.item;
            if (edit.item != INSERT && index == INDEX_COUNT) {
                // Removing or propagating the last index changes nothing: no step.
                Pick(FadersWindow, menu_Edit, item);
                EXPECT_EQ(JournalUndoCount(), 0);
                continue;
            }
            ExpectUndoable([] { Pick(FadersWindow, menu_Edit, item); }, edit.named);
            EXPECT_EQ(TimeIndex->value(), index);
        }
    }
}

TEST(Undo, EffectsMatrixAndPreferences)
{
    Fresh();
    ExpectUndoable([] { Change(comp0, 1); }, "Peak Comp, channel 1");
    ExpectUndoable([] { Change(comp1, -12); }, "Peak Comp, channel 1");
    ExpectUndoable([] { Change(rev_rtn, -3); }, "reverb return");
    ExpectUndoable([] { Change(sub_button_B3, 1); }, "submix assignment, channel 2");
    ExpectUndoable([] { Change(vca_button_E8, 1); }, "VCA assignment, channel 5");
    ExpectUndoable([] { Change(panlaw, 4.5); }, "pan law");
    ExpectUndoable([] { Type(PathDisplay, "/opt/tolvex/"); }, "path to tolvex");
    // The colour reaches every window.
    ExpectUndoable([] { Change(bgcolor, 12); }, "colour");
    EXPECT_EQ(FadersWindow->color(), 12u);
    UndoLastEdit();
    EXPECT_EQ(FadersWindow->color(), 97u);
}

// A recall merges the file into the mix; its undo gives back the edited mix, and a store then
// writes that mix. Storing names the empty channels "----" and mutes them: one step as well.
TEST(Undo, RecallAndStore)
{
    ScratchDirectory dir;
    Fresh();
    Volume[Cell(4, 0)] = -9;
    strcpy(NameBuffer[2], "Bass");
    Pcomp[3][0] = 1;
    ASSERT_TRUE(SaveAll());

    Fresh();
    Pan[7] = 25;
    strcpy(NameBuffer[6], "Keys");
    UpdateGUI();
    JournalStart();
    ExpectUndoable([] { Pick(ControlWindow, menu_Recall, 3); }, "Recall All");
    UndoLastEdit();
    ExpectUndoable([] { Pick(ControlWindow, menu_Recall, 0); }, "Recall Faders / Effects");

    // A mix name recalled from prefs.txt shows in the faders window at once.
    Fresh();
    FILE *prefs = fopen("prefs.txt", "wb");
    ASSERT_NE(prefs, nullptr);
    fputs("oname\tNight Take\r\nend\r\n", prefs);
    fclose(prefs);
    Pick(ControlWindow, menu_Recall, 2);
    EXPECT_STREQ(MixNameInput->value(), "Night Take");
    UndoLastEdit();
    EXPECT_STREQ(tbuffer, "Undo: Recall Preferences");
    EXPECT_STREQ(MixNameInput->value(), "MixFilename");

    Fresh();
    strcpy(NameBuffer[3], "Vox");
    UpdateGUI();
    JournalStart();
    ExpectUndoable([] { Pick(ControlWindow, menu_Store, 1); }, "Store Track Names");
    UndoLastEdit();
    EXPECT_STREQ(NameBuffer[1], "");
    EXPECT_EQ(MuteArray[1], 0);
}

// Revert All (Ctrl+O) gives the mix as the stored files hold it, dropping what Recall All would
// keep, in one step; without a faders.txt, or with a file it cannot read whole, it changes nothing.
TEST(Undo, RevertAllGivesTheStoredMixOrNothing)
{
    ScratchDirectory dir;
    Fresh();
    strcpy(NameBuffer[2], "Bass");
    Volume[Cell(2, 0)] = -6;
    ChanActive[Cell(2, 0)] = 1;
    ASSERT_TRUE(SaveAll());
    Pick(ControlWindow, menu_Recall, 4);
    const std::string stored = JournaledState();   // what the files hold, on the start-up state
    Pan[5] = 30;
    MuteArray[9] = 1;
    HeadTailArray[0] = 2;
    Volume[Cell(2, 7)] = -1;
    Pick(FadersWindow, menu_Edit, INSERT);
    Fl::focus(TextResponse);
    ExpectUndoable([] { PressKey(ControlWindow, 'o', "\x0f", FL_CTRL); }, "Revert All");
    EXPECT_TRUE(JournaledState() == stored);

    const int steps = JournalUndoCount();
    Pan[5] = 30;
    JournalRecord(nullptr, nullptr);
    const std::string before = JournaledState();
    ASSERT_EQ(rename("prefs.txt", "prefs.old"), 0);
    ASSERT_EQ(mkdir("prefs.txt", 0700), 0);
    Pick(ControlWindow, menu_Recall, 4);
    EXPECT_STREQ(tbuffer, "Revert All: cannot read prefs.txt; the mix is unchanged");
    rmdir("prefs.txt");
    unlink("faders.txt");
    Pick(ControlWindow, menu_Recall, 4);
    EXPECT_STREQ(tbuffer, "Revert All: no faders.txt here; the mix is unchanged");
    EXPECT_NE(access("faders.txt", F_OK), 0) << "Revert All creates no file";
    EXPECT_TRUE(JournaledState() == before);
    EXPECT_EQ(JournalUndoCount(), steps + 1);
}

TEST(Undo, RunsHistoryEndsAndKeys)
{
    Fresh(3, 1);
    // A spinner's arrow held: one step.
    for (int k = 1; k <= 8; k++)
        Change(vol2, -0.5 * k);
    EXPECT_EQ(JournalUndoCount(), 1);
    Change(vol5, 1);
    EXPECT_EQ(JournalUndoCount(), 2);
    // Toggles never join: two clicks, two steps.
    Change(mute1, 1);
    Change(mute1, 0);
    EXPECT_EQ(JournalUndoCount(), 4);

    UndoLastEdit();
    UndoLastEdit();
    UndoLastEdit();
    EXPECT_FLOAT_EQ(Volume[Cell(2, 2)], -4);
    UndoLastEdit();
    EXPECT_FLOAT_EQ(Volume[Cell(2, 2)], 0);
    EXPECT_DOUBLE_EQ(vol2->value(), 0);
    UndoLastEdit();
    EXPECT_STREQ(tbuffer, "Nothing to undo");

    // A new change after an undo clears what could be redone.
    RedoLastEdit();
    EXPECT_EQ(JournalRedoCount(), 3);
    Change(pan3, 10);
    EXPECT_EQ(JournalRedoCount(), 0);
    RedoLastEdit();
    EXPECT_STREQ(tbuffer, "Nothing to redo");

    // The keys, in any window: Ctrl+Z, then Ctrl+Shift+Z and Ctrl+Y.
    FadersWindow->show();
    PumpEvents();
    Fl::focus(FadersWindow);
    Key('z', FL_CTRL);
    EXPECT_FLOAT_EQ(Pan[3], 0);
    Key('z', FL_CTRL | FL_SHIFT);
    EXPECT_FLOAT_EQ(Pan[3], 10);
    Key('z', FL_CTRL);
    Key('y', FL_CTRL);
    EXPECT_FLOAT_EQ(Pan[3], 10);

    // A field that holds typing not yet stored undoes that typing first.
    Fl::focus(CueName);
    CueName->value("");
    CueName->position(0);
    Fl::e_keysym = 'A';
    Fl::e_text = const_cast<char *>("A");
    Fl::e_length = 1;
    Fl::e_state = 0;
    CueName->handle(FL_KEYBOARD);
    CueName->set_changed();
    ASSERT_STREQ(CueName->value(), "A");
    const int steps = JournalUndoCount();
    Key('z', FL_CTRL);
    EXPECT_STREQ(CueName->value(), "");
    EXPECT_EQ(JournalUndoCount(), steps);
    EXPECT_FLOAT_EQ(Pan[3], 10);
    FadersWindow->hide();
}

// The operation's end shows the changed tables in every window.
TEST(Undo, EveryEditEndsWithTheRefreshOfWhatChanged)
{
    Fresh();
    Type(name1, "Kick");
    EXPECT_STREQ(sub_text_A->value(), "Kick");
    EXPECT_STREQ(vca_text_A->value(), "Kick");
    EXPECT_STREQ(NameInEffects->value(), "Kick");
}

// A refresh only shows the mix. Even values that a hand-edited file or an old version left
// outside what the widgets take are shown and kept: no refresh leaves a change that no step holds.
TEST(Undo, NoRefreshChangesTheMix)
{
    Fresh();
    color = 300;
    OutbitsStore = 20;
    DitherBits = 99;
    PanlawStore = 40;
    PreviewOn = monoOn = 7;
    Pan[3] = 900;
    Volume[Cell(1, 0)] = 1000;
    MuteArray[1] = SoloArray[1] = 5;
    JournalStart();
    HistoryMoved();   // the full refresh and every follower
    ShowPrefs();
    HidePrefs();
    EXPECT_FALSE(JournalRecord(nullptr, nullptr)) << "colour " << color;
}

namespace {

int operations_ended;
void CountEnd() { operations_ended++; }

// Runs the callback of every widget below `group` (the menu items of a menu button) and
// counts those that did not end at the one point.
void RunEveryCallback(Fl_Group *group, std::string &missed)
{
    for (int i = 0; i < group->children(); i++) {
        Fl_Widget *w = group->child(i);
        const char *label = w->label() ? w->label() : "";
        if (strcmp(label, "Quit") == 0 || strcmp(label, "Mix") == 0)
            continue;   // they end the program or start the engine
        const int before = operations_ended;
        if (Fl_Menu_Button *menu = dynamic_cast<Fl_Menu_Button *>(w)) {
            for (int k = 0; k < menu->size() - 1; k++) {
                Fl_Menu_Item *item = const_cast<Fl_Menu_Item *>(&menu->menu()[k]);
                if (!item->label() || !item->callback())
                    continue;
                const int at = operations_ended;
                menu->picked(item);
                if (operations_ended == at)
                    missed += std::string(item->label()) + "; ";
            }
            continue;
        }
        if (w->callback() != Fl_Widget::default_callback) {
            w->do_callback();
            if (operations_ended == before)
                missed += std::string(label) + "@" + std::to_string(w->x()) + "," + std::to_string(w->y()) + "; ";
        }
        if (Fl_Group *inner = dynamic_cast<Fl_Group *>(w))
            if (!dynamic_cast<Fl_Spinner *>(w))
                RunEveryCallback(inner, missed);
    }
}

} // namespace

// No callback of the seven windows bypasses the point where every operation ends.
TEST(Undo, EveryCallbackEndsAtOnePoint)
{
    ScratchDirectory dir;
    Fresh();
    FollowEdits(CountEnd);
    std::string missed;
    for (Fl_Double_Window **window : windows)
        RunEveryCallback(*window, missed);
    EXPECT_EQ(missed, "");
    EXPECT_GT(operations_ended, 200);
    if (CH)
        CH->hide();
    for (Fl_Double_Window **window : windows)
        if (*window != ControlWindow)
            (*window)->hide();
}
