// The "Edit Index" menu, the index's own fields and the mix name, and the round trip of what the
// window edits through faders.txt.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "app/control.h"
#include "state/status_message.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "files/project_files.h"
#include "gui_harness.h"
#include "state/mix_state.h"

namespace {

enum { INSERT, REMOVE, PROPAGATE };

void GoTo(int index, int bank)
{
    TimeIndex->value(index);
    Bank->value(bank);
    Bank->do_callback();
}

void RunMenu(int item)
{
    menu_Edit[item].do_callback(static_cast<Fl_Widget *>(FadersWindow));
}

// Index n (1-based) carries marks that the window shows for channel 1 of bank 1.
void MarkIndices()
{
    for (int n = 1; n <= INDEX_COUNT; n++) {
        Volume[Cell(1, n - 1)] = -0.25f * n;
        Ramp[Cell(1, n - 1)] = n;
        ChanActive[Cell(1, n - 1)] = 1;
        IndexSec[n - 1] = n + 0.5f;
        IndexActiveArray[n - 1] = 1;
        snprintf(CueNameBuffer[n - 1], CUE_SIZE, "cue %d", n);
    }
    Pan[1] = -30;
    SoloArray[1] = 1;
    MuteArray[2] = 1;
}

// The window shows 1-based index `from` of the marks, at whatever index it stands.
void ExpectShowing(int from)
{
    SCOPED_TRACE("showing marks of index " + std::to_string(from));
    EXPECT_DOUBLE_EQ(vol1->value(), -0.25 * from);
    EXPECT_DOUBLE_EQ(ramp1->value(), from);
    EXPECT_EQ(A1->value(), 1);
    EXPECT_DOUBLE_EQ(GuiSec->value(), from + 0.5);
    EXPECT_EQ(IndexActive->value(), 1);
}

void ExpectShowingEmpty()
{
    EXPECT_DOUBLE_EQ(vol1->value(), 0);
    EXPECT_DOUBLE_EQ(ramp1->value(), 0);
    EXPECT_DOUBLE_EQ(shape1->value(), 1);
    EXPECT_EQ(A1->value(), 0);
    EXPECT_DOUBLE_EQ(GuiSec->value(), 0);
    EXPECT_EQ(IndexActive->value(), 0);
}

// Pan, solo, mute and the cue name shown stay as they were.
void ExpectSlotFieldsKept(int index)
{
    EXPECT_DOUBLE_EQ(pan1->value(), -30);
    EXPECT_EQ(solo1->value(), 1);
    EXPECT_EQ(mute2->value(), 1);
    EXPECT_FLOAT_EQ(Pan[1], -30);
    EXPECT_EQ(SoloArray[1], 1);
    EXPECT_EQ(MuteArray[2], 1);
    EXPECT_EQ(std::string(CueName->value()), "cue " + std::to_string(index));
    EXPECT_EQ(std::string(CueNameBuffer[index - 1]), "cue " + std::to_string(index));
}

std::string ReadFile(const char *name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(FadersIndex, MenuHoldsTheThreeEdits)
{
    StartVeltrane();
    EXPECT_STREQ(menu_Edit[INSERT].label(), "Insert Index");
    EXPECT_STREQ(menu_Edit[REMOVE].label(), "Remove Index");
    EXPECT_STREQ(menu_Edit[PROPAGATE].label(), "Propagate Index");
    for (int item = 0; item < 3; item++) {
        EXPECT_EQ(menu_Edit[item].labelsize(), 14);
        EXPECT_EQ(menu_Edit[item].shortcut(), 0);
    }
    EXPECT_EQ(menu_Edit[3].label(), nullptr);
}

TEST(FadersIndex, InsertShowsTheNewEmptyIndexAndKeepsCueNamesByNumber)
{
    for (int at : {1, 3, 511, 512}) {
        StartVeltrane();
        MarkIndices();
        GoTo(at, 1);
        ExpectShowing(at);
        RunMenu(INSERT);
        SCOPED_TRACE("insert at " + std::to_string(at));
        EXPECT_EQ(TimeIndex->value(), at);
        ExpectShowingEmpty();
        ExpectSlotFieldsKept(at);
        EXPECT_EQ(std::string(tbuffer), "Inserted new index " + std::to_string(at));
        if (at < INDEX_COUNT) {
            GoTo(at + 1, 1);
            ExpectShowing(at);
        }
    }
}

TEST(FadersIndex, RemoveShowsTheFollowingIndexAndKeepsTheLast)
{
    for (int at : {1, 3, 511, 512}) {
        StartVeltrane();
        MarkIndices();
        GoTo(at, 1);
        RunMenu(REMOVE);
        SCOPED_TRACE("remove at " + std::to_string(at));
        ExpectShowing(at < INDEX_COUNT ? at + 1 : at);
        ExpectSlotFieldsKept(at);
        EXPECT_EQ(std::string(tbuffer), "Removed index " + std::to_string(at));
        GoTo(INDEX_COUNT, 1);
        ExpectShowing(INDEX_COUNT);
    }
}

TEST(FadersIndex, PropagateCopiesOntoTheNextIndexUpTo511)
{
    for (int at : {1, 5, 510}) {
        StartVeltrane();
        MarkIndices();
        GoTo(at, 1);
        RunMenu(PROPAGATE);
        SCOPED_TRACE("propagate at " + std::to_string(at));
        ExpectShowing(at);
        EXPECT_EQ(std::string(tbuffer), "Propagated index " + std::to_string(at) + " forward");
        GoTo(at + 1, 1);
        ExpectShowing(at);
        ExpectSlotFieldsKept(at + 1);
        if (at + 2 <= INDEX_COUNT) {
            GoTo(at + 2, 1);
            ExpectShowing(at + 2);
        }
    }
    for (int at : {511, 512}) {
        StartVeltrane();
        MarkIndices();
        GoTo(at, 1);
        RunMenu(PROPAGATE);
        ExpectShowing(at);
        EXPECT_EQ(std::string(tbuffer), "Propagated index " + std::to_string(at) + " forward");
        GoTo(512, 1);
        ExpectShowing(512);
    }
}

TEST(FadersIndex, ActiveFlagCueNameAndMixNameReachTheState)
{
    StartVeltrane();
    GoTo(4, 1);
    EXPECT_EQ(IndexActive->value(), 0);
    IndexActive->value(1);
    IndexActive->do_callback();
    EXPECT_EQ(IndexActiveArray[3], 1);
    EXPECT_EQ(IndexActiveArray[4], 0);

    CueName->value("Chorus 2");
    CueName->do_callback();
    EXPECT_STREQ(CueNameBuffer[3], "Chorus 2");

    // Too long for the cells: cut to fit, the rest of the table untouched.
    const std::string longCue(200, 'c');
    CueName->value(longCue.c_str());
    CueName->do_callback();
    EXPECT_EQ(std::string(CueNameBuffer[3]), longCue.substr(0, CUE_SIZE - 1));
    EXPECT_STREQ(CueNameBuffer[4], "");

    const std::string longMix(400, 'm');
    MixNameInput->value(longMix.c_str());
    MixNameInput->do_callback();
    EXPECT_EQ(std::string(MixName), longMix.substr(0, NAME_SIZE - 1));

    MixNameInput->value("Session 5");
    MixNameInput->do_callback();
    EXPECT_STREQ(MixName, "Session 5");
    CopyText(MixName, NAME_SIZE, "Recalled");
    UpdateGUI();
    EXPECT_STREQ(MixNameInput->value(), "Recalled");
    EXPECT_EQ(std::string(CueName->value()), longCue.substr(0, CUE_SIZE - 1));

    // Pasted line breaks are kept as spaces: no text of the state can split its line.
    CueName->value("x\nend");
    CueName->do_callback();
    EXPECT_STREQ(CueNameBuffer[3], "x end");
    MixNameInput->value("two\r\nlines");
    MixNameInput->do_callback();
    EXPECT_STREQ(MixName, "two  lines");
    name2->value("Kick\nin");
    name2->do_callback();
    EXPECT_STREQ(NameBuffer[2], "Kick in");
}

TEST(FadersFiles, EditsInTheWindowAreStoredInFadersTxt)
{
    StartVeltrane();
    ScratchDirectory dir;
    MixNameInput->value("window");
    MixNameInput->do_callback();
    GoTo(1, 3);
    vol11->value(-6);
    vol11->do_callback();
    A11->value(1);
    A11->do_callback();
    vol2->value(-12.5);
    vol2->do_callback();
    A2->value(1);
    A2->do_callback();
    shape2->input.value("0.5");
    shape2->input.do_callback();
    pan1->input.value("-30");
    pan1->input.do_callback();
    mute11->value(1);
    mute11->do_callback();
    CueName->value("Intro");
    CueName->do_callback();

    StageWriteToFile();
    const std::string text = ReadFile("faders.txt");
    ASSERT_FALSE(text.empty()) << "faders.txt was not written";
    EXPECT_EQ(text.rfind("window\r\n", 0), 0u);
    for (const char *line : {"p\t21\t-30\r\n", "\r\ncue\tIntro\r\n", "\r\nt\t0\t0.000\t0\r\n",
                             "v\t22\t-12.50\r\nshape\t0.500\r\n", "v\tG\t3\t-6.00\r\n", "submu\t3\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_LT(text.find("v\t22\t"), text.find("v\tG\t3\t"));
    EXPECT_EQ(text.substr(text.size() - 5), "end\r\n");
}

TEST(FadersFiles, ARecallRefreshesWhatTheWindowShows)
{
    StartVeltrane();
    ScratchDirectory dir;
    GoTo(2, 1);
    {
        std::ofstream out("faders.txt", std::ios::binary);
        out << "Recalled\r\n\r\np\t2\t-30\r\np\tM\t15\r\n\r\n"
               "\r\nt\t0\t1.000\t0\r\nv\t1\t-3.50\r\n"
               "\r\ncue\tVerse\r\n\r\nt\t0\t12.500\t0\r\nv\t2\t-4.00\r\nrmp\t2.000\r\n"
               "v\tG\t1\t-1.00\r\nvca\t1\t-2.00\r\nv\tM\t-0.50\r\n\r\nsubso\t1\r\nend\r\n";
    }
    StageReadFromFile();
    EXPECT_STREQ(MixNameInput->value(), "Recalled");
    EXPECT_STREQ(CueName->value(), "Verse");
    EXPECT_DOUBLE_EQ(GuiSec->value(), 12.5);
    EXPECT_EQ(IndexActive->value(), 1);
    EXPECT_DOUBLE_EQ(vol2->value(), -4);
    EXPECT_DOUBLE_EQ(ramp2->value(), 2);
    EXPECT_EQ(A2->value(), 1);
    EXPECT_EQ(A1->value(), 0);
    EXPECT_DOUBLE_EQ(vol11->value(), -1);
    EXPECT_DOUBLE_EQ(vol12->value(), -2);
    EXPECT_DOUBLE_EQ(vol13->value(), -0.5);
    EXPECT_DOUBLE_EQ(pan2->value(), -30);
    EXPECT_DOUBLE_EQ(pan13->value(), 15);
    EXPECT_EQ(solo11->value(), 1);
    GoTo(1, 1);
    EXPECT_DOUBLE_EQ(vol1->value(), -3.5);
    EXPECT_DOUBLE_EQ(GuiSec->value(), 1);
}
