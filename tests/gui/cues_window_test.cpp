// The cue window: its rows and cells for a recalled mix, clicks and edits in the table, the
// out-of-order mark, keyboard travel, and that it follows edits made elsewhere.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Table.H>
#include <FL/Fl_Value_Input.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/control.h"
#include "app/undo.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "effects/effects_window.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "gui_harness.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"
#include "state/status_message.h"

extern Fl_Menu_Item menu_Recall[];

namespace {

std::string Text(int row, int col)
{
    char text[128];
    CueCellText(row, col, text, sizeof text);
    return text;
}

std::string SlotText(int row, int slot) { return Text(row, CueColumnOf(slot)); }

// Three active blocks (cue points 1 to 3) with channels, submix 2, VCA 2 and the master.
const char MIX[] =
    "cues\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    "cue\tIntro\r\n\r\nt\t0\t0.000\t0\r\nv\t1\t-3.50\r\nv\t12\t-6.25\r\nv\tG\t2\t-2.00\r\nvca\t2\t-4.00\r\n\r\n"
    "t\t0\t12.500\t0\r\nv\t12\t0.00\r\nv\tM\t-1.00\r\n\r\n"
    "cue\tChorus\r\n\r\nt\t1\t5.000\t250\r\nv\t1\t-9.00\r\n"
    "end\r\n";

void Recall(const char *text)
{
    char dir[] = "/tmp/cues-test-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    char home[4096];
    ASSERT_TRUE(getcwd(home, sizeof home));
    ASSERT_EQ(chdir(dir), 0);
    FILE *f = fopen("faders.txt", "wb");
    ASSERT_TRUE(f);
    fputs(text, f);
    fclose(f);
    menu_Recall[0].do_callback(static_cast<Fl_Widget *>(ControlWindow));
    unlink("faders.txt");
    ASSERT_EQ(chdir(home), 0);
    rmdir(dir);
}

void GoTo(int index, int bank)
{
    Bank->value(bank);
    Bank->do_callback();
    TimeIndex->value(index);
    TimeIndex->do_callback();
}

void Start()
{
    StartVeltrane();
    ShowAllCues->value(0);
    GoTo(1, 1);
    ShowCues();
    PumpEvents();
}

// A key as the toolkit delivers it to `window`, with the keyboard focus on `focus`.
void Key(Fl_Widget *focus, int keysym, int state = 0, const char *text = "")
{
    Fl::focus(focus);
    PressKey(focus->top_window(), keysym, text, state);
}

void Activate(std::initializer_list<int> indices)
{
    for (int i : indices)
        IndexActiveArray[i] = 1;
    RefreshCues();
}

} // namespace

TEST(CuesWindow, RowsAndCellsOfARecalledMix)
{
    Start();
    Recall(MIX);
    ASSERT_EQ(CueRowCount(), 3) << "only the active cue points";
    EXPECT_EQ(Text(0, COL_INDEX), "1");
    EXPECT_EQ(Text(0, COL_CUE), "Intro");
    EXPECT_EQ(Text(1, COL_SEC), "12.5");
    EXPECT_EQ(Text(2, COL_MIN) + " " + Text(2, COL_SEC) + " " + Text(2, COL_MSEC), "1 5 250");
    EXPECT_EQ(Text(0, COL_STRIPS), "4");
    EXPECT_EQ(Text(1, COL_STRIPS), "2");

    // Bank 1: channels 1..10, submix 1, VCA 1, master.
    EXPECT_EQ(CueTable->cols(), FIXED_COLUMNS + 13);
    EXPECT_EQ(SlotText(0, 1), "-3.50");
    EXPECT_EQ(SlotText(1, 1), "") << "not automated there: nothing, though the volume is stored";
    EXPECT_EQ(SlotText(2, 1), "-9.00");
    EXPECT_EQ(SlotText(1, MasterSlot()), "-1.00");

    GoTo(1, 2);
    EXPECT_EQ(CueColumnSlot(FIXED_COLUMNS), ChannelSlot(11));
    EXPECT_EQ(CueColumnSlot(FIXED_COLUMNS + 10), SubmixSlot(2));
    EXPECT_EQ(CueColumnSlot(FIXED_COLUMNS + 11), VcaSlot(2));
    EXPECT_EQ(CueColumnSlot(FIXED_COLUMNS + 12), MasterSlot());
    EXPECT_EQ(SlotText(0, 12), "-6.25");
    EXPECT_EQ(SlotText(1, 12), "0.00");
    EXPECT_EQ(SlotText(0, SubmixSlot(2)), "-2.00");
    EXPECT_EQ(SlotText(0, VcaSlot(2)), "-4.00");
    EXPECT_EQ(SlotText(2, VcaSlot(2)), "");

    GoTo(1, 9);
    EXPECT_EQ(CueTable->cols(), FIXED_COLUMNS + 11) << "banks 9 to 12 have no submix or VCA";
    EXPECT_EQ(CueColumnSlot(FIXED_COLUMNS + 10), MasterSlot());

    // "auto" set at an inactive cue point reaches no file: the row only shows with all 512.
    ChanActive[Cell(1, 7)] = 1;
    ShowAllCues->value(1);
    ShowAllCues->do_callback();
    ASSERT_EQ(CueRowCount(), INDEX_COUNT);
    EXPECT_EQ(Text(7, COL_ACTIVE), "off");
    EXPECT_EQ(Text(0, COL_ACTIVE), "on");
    ShowAllCues->value(0);
    ShowAllCues->do_callback();
    EXPECT_EQ(CueRowCount(), 3);
}

TEST(CuesWindow, ClickingARowMovesTheFadersIndex)
{
    Start();
    Recall(MIX);
    ClickCueCell(2, COL_CUE);
    EXPECT_EQ(TimeIndex->value(), 3);
    EXPECT_DOUBLE_EQ(vol1->value(), -9.0) << "the faders window shows cue point 3";
    EXPECT_DOUBLE_EQ(GuiMsec->value(), 250);
    EXPECT_EQ(std::string(CueName->value()), "Chorus");

    // A real click on the second row, through the table's event handling.
    int x, y, w, h;
    static_cast<CueGrid *>(CueTable)->CellBox(1, FIXED_COLUMNS, x, y, w, h);
    Fl::e_x = x + w / 2;
    Fl::e_y = y + h / 2;
    Fl::e_keysym = FL_Button + 1;
    Fl::e_clicks = 0;
    Fl::handle(FL_PUSH, CuesWindow);
    EXPECT_EQ(TimeIndex->value(), 2);
    EXPECT_EQ(CueRowOf(CurrentIndex()), 1);
    EXPECT_FALSE(CueEntry->visible());

    // A double click opens the entry over the cell with the level it carries on.
    Fl::e_clicks = 1;
    Fl::handle(FL_PUSH, CuesWindow);
    Fl::e_clicks = 0;
    ASSERT_TRUE(CueEntry->visible());
    EXPECT_EQ(std::string(CueEntry->value()), std::string("-3.50")) << "channel 1's level from cue point 1";
    CloseCueEntry();

    // With many rows, a click on the last row on screen leaves the table where it is; Page Down
    // past it brings the new current row into view.
    for (int i = 0; i < 100; i++)
        IndexActiveArray[i] = 1;
    RefreshCues();
    PumpEvents();
    int top, bottom, left, right;
    CueTable->visible_cells(top, bottom, left, right);
    ClickCueCell(bottom, COL_CUE);
    EXPECT_EQ(CueTable->row_position(), top);
    EXPECT_EQ(CueRowOf(CurrentIndex()), bottom);
    Key(CueTable, FL_Page_Down);
    Key(CueTable, FL_Page_Down);
    int top2, bottom2;
    CueTable->visible_cells(top2, bottom2, left, right);
    EXPECT_GT(top2, top);
    EXPECT_LE(CueRowOf(CurrentIndex()), bottom2);
}

TEST(CuesWindow, EditingACellStoresVolumeAndAuto)
{
    Start();
    Recall(MIX);
    GoTo(2, 1);
    const int col = CueColumnOf(ChannelSlot(1));
    SetStatus("Read something");

    // Return in the entry stores the value, switches "auto" on and moves the frame down.
    OpenCueEntry(col);
    CueEntry->value("-7.25");
    Fl::e_number = FL_KEYBOARD;
    Key(CueEntry, FL_Enter, 0, "\r");
    EXPECT_FALSE(CueEntry->visible());
    EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], -7.25f);
    EXPECT_EQ(ChanActive[Cell(1, 1)], 1);
    EXPECT_EQ(SlotText(1, 1), "-7.25");
    EXPECT_EQ(CurrentIndex(), 2) << "Return moves the frame one row down";
    GoTo(2, 1);
    EXPECT_DOUBLE_EQ(vol1->value(), -7.25) << "the faders window shows it at once";
    EXPECT_EQ(A1->value(), 1);
    EXPECT_EQ(std::string(TextResponse->value()), "") << "an edit clears the status line";

    // Escape closes the entry and stores nothing.
    OpenCueEntry(col);
    CueEntry->value("3");
    Key(CueEntry, FL_Escape, 0, "\033");
    EXPECT_FALSE(CueEntry->visible());
    EXPECT_TRUE(CuesWindow->visible()) << "Escape closes no window";
    EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], -7.25f);

    // Out of range or no number: refused, the cell shows the stored value.
    for (const char *typed : {"12.01", "-144.5", "1e9", "nan", "", "-3x"}) {
        OpenCueEntry(col);
        CueEntry->value(typed);
        StoreCueEntry();
        EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], -7.25f) << typed;
        EXPECT_FALSE(CueEntry->visible()) << typed;
        EXPECT_EQ(SlotText(1, 1), "-7.25") << typed;
    }
    for (const char *typed : {"12", "-144"}) {
        OpenCueEntry(col);
        CueEntry->value(typed);
        StoreCueEntry();
        EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], float(atof(typed))) << "the ends of the range are kept";
    }

    // Delete switches "auto" off; the volume stays.
    Key(CueTable, FL_Delete);
    EXPECT_EQ(ChanActive[Cell(1, 1)], 0);
    EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], -144.0f);
    EXPECT_EQ(SlotText(1, 1), "");
    EXPECT_EQ(A1->value(), 0);

    // Return on the table opens the chosen cell; the arrows choose the strip column.
    Key(CueTable, FL_Right);
    Key(CueTable, FL_Enter, 0, "\r");
    ASSERT_TRUE(CueEntry->visible());
    CueEntry->value("-1.5");
    StoreCueEntry();
    EXPECT_FLOAT_EQ(Volume[Cell(2, 1)], -1.5f);
    EXPECT_EQ(ChanActive[Cell(2, 1)], 1);
}

TEST(CuesWindow, OutOfOrderTimesAreMarked)
{
    Start();
    auto time = [](int index, float min, float sec, float msec) {
        IndexMin[index] = min;
        IndexSec[index] = sec;
        IndexMsec[index] = msec;
    };
    time(0, 0, 10, 0);
    time(1, 0, 5, 0);     // earlier than cue point 1
    time(2, 0, 5, 0);     // equal to the one above: in order
    time(3, 1, 0, 0);
    time(4, 0, 59, 999);  // 59.999 s < 60 s
    time(5, 0, 0, 0);     // inactive: not compared
    time(6, 2, 0, 0);     // compared with cue point 5 (index 4), the active one above
    Activate({1, 2, 3, 4, 6});
    ShowAllCues->value(1);
    RefreshCues();
    const char *expected[] = {"", "early", "", "", "early", "", ""};
    for (int row = 0; row < 7; row++)
        EXPECT_EQ(Text(row, COL_ORDER), expected[row]) << "row " << row;

    // Moving a time back in the faders window marks the row at once.
    GoTo(4, 1);
    GuiMin->value(0);
    GuiMin->do_callback();
    EXPECT_EQ(Text(3, COL_ORDER), "early");
}

TEST(CuesWindow, KeyboardTravelBetweenCuePointsAndBanks)
{
    Start();
    Activate({3, 8});   // cue points 1, 4 and 9 are active
    Volume[Cell(1, 3)] = -4;
    Fl_Widget *faders_focus = CueName;

    Key(faders_focus, FL_Page_Down);
    EXPECT_EQ(TimeIndex->value(), 4);
    EXPECT_DOUBLE_EQ(vol1->value(), -4) << "the faders window refreshes as for a typed index";
    EXPECT_EQ(std::string(CueName->value()), "") << "the key is not typed into a text field";
    Key(CueTable, FL_Page_Down);
    EXPECT_EQ(TimeIndex->value(), 9);
    Key(faders_focus, FL_Page_Down);
    EXPECT_EQ(TimeIndex->value(), 9) << "nothing moves past the last active cue point";
    Key(CueTable, FL_Page_Up);
    Key(faders_focus, FL_Page_Up);
    EXPECT_EQ(TimeIndex->value(), 1);
    Key(faders_focus, FL_Page_Up);
    EXPECT_EQ(TimeIndex->value(), 1) << "nothing moves before the first";

    // Typing not yet stored in a field is stored before the faders window moves on.
    CueName->value("Bridge");
    CueName->set_changed();
    Key(CueName, FL_Page_Down);
    EXPECT_EQ(std::string(CueNameBuffer[0]), "Bridge");
    EXPECT_EQ(TimeIndex->value(), 4);
    EXPECT_EQ(std::string(CueName->value()), "") << "the field shows cue point 4";
    Key(CueName, FL_Page_Up);

    // From an inactive cue point to its active neighbours.
    GoTo(6, 1);
    Key(faders_focus, FL_Page_Down);
    EXPECT_EQ(TimeIndex->value(), 9);
    GoTo(6, 1);
    Key(CueTable, FL_Page_Up);
    EXPECT_EQ(TimeIndex->value(), 4);

    // Other windows keep their Page keys.
    Key(EffectsWindow, FL_Page_Down);
    EXPECT_EQ(TimeIndex->value(), 4);

    for (int bank = 2; bank <= 12; bank++) {
        Key(bank % 2 ? faders_focus : CueTable, FL_Page_Down, FL_CTRL);
        EXPECT_EQ(Bank->value(), bank);
    }
    EXPECT_EQ(std::string(name1->value()), NameBuffer[111]);
    Key(faders_focus, FL_Page_Down, FL_CTRL);
    EXPECT_EQ(Bank->value(), 12) << "no bank after 12";
    EXPECT_EQ(CueTable->cols(), FIXED_COLUMNS + 11);
    for (int bank = 11; bank >= 1; bank--)
        Key(CueTable, FL_Page_Up, FL_CTRL);
    EXPECT_EQ(Bank->value(), 1);
    Key(CueTable, FL_Page_Up, FL_CTRL);
    EXPECT_EQ(Bank->value(), 1) << "no bank before 1";
    EXPECT_EQ(TimeIndex->value(), 4) << "changing the bank keeps the index";
}

TEST(CuesWindow, ShowAndHideKeysLeaveTheOtherShortcuts)
{
    Start();
    HideCues();
    FadersWindow->show();
    PumpEvents();
    Key(ControlWindow, 'l', FL_CTRL, "\014");
    EXPECT_TRUE(CuesWindow->shown());
    Key(CuesWindow, 'l', FL_CTRL | FL_SHIFT, "\014");
    EXPECT_FALSE(CuesWindow->shown());
    Key(CueName, 'l', FL_CTRL, "\014");
    EXPECT_TRUE(CuesWindow->shown());
    EXPECT_EQ(std::string(CueName->value()), "") << "Ctrl+L is not typed into the cue name";
    Key(FadersWindow, 'l', FL_CTRL | FL_SHIFT, "\014");
    EXPECT_FALSE(CuesWindow->shown());
    Key(EffectsWindow, 'l', FL_CTRL, "\014");
    EXPECT_FALSE(CuesWindow->shown()) << "not from the other windows";

    Key(ControlWindow, 'e', FL_CTRL, "\005");
    EXPECT_TRUE(EffectsWindow->shown()) << "Ctrl+E still shows the effects window";
    Key(ControlWindow, 'e', FL_CTRL | FL_SHIFT, "\005");
    EXPECT_FALSE(EffectsWindow->shown());
}

TEST(CuesWindow, FollowsEditsFromOtherWindowsAndTheColour)
{
    Start();
    Recall(MIX);
    GoTo(2, 1);
    vol13->value(-12);
    vol13->do_callback();
    EXPECT_EQ(SlotText(1, MasterSlot()), "-12.00");
    A2->value(1);
    A2->do_callback();
    EXPECT_EQ(SlotText(1, 2), "0.00");
    EXPECT_EQ(Text(1, COL_STRIPS), "3");

    IndexActive->value(0);
    IndexActive->do_callback();
    EXPECT_EQ(CueRowCount(), 2);
    EXPECT_EQ(Text(1, COL_CUE), "Chorus");

    menu_Edit[0].do_callback(static_cast<Fl_Widget *>(FadersWindow));  // insert before cue point 2
    EXPECT_EQ(CueRowCount(), 2);
    EXPECT_EQ(Text(1, COL_INDEX), "4") << "the Chorus block moved up by one";

    ClickCueHeading(CueColumnOf(MasterSlot()));
    EXPECT_EQ(PlotSlot, MasterSlot());
    ClickCueHeading(COL_CUE);
    EXPECT_EQ(PlotSlot, MasterSlot()) << "only strip headings choose the plotted strip";

    color = 200;
    UpdatePreferences();
    EXPECT_EQ(CuesWindow->color(), Fl_Color(200));
}

TEST(CuesWindow, ACellEditIsOneUndoStepAndTheTableFollowsUndoAndRedo)
{
    Start();
    Recall(MIX);
    GoTo(2, 1);
    const int col = CueColumnOf(ChannelSlot(1));
    OpenCueEntry(col);
    CueEntry->value("-7.25");
    StoreCueEntry();
    ASSERT_FLOAT_EQ(Volume[Cell(1, 1)], -7.25f);
    ASSERT_EQ(ChanActive[Cell(1, 1)], 1);

    // Volume and "auto" changed together: one step takes both back.
    UndoLastEdit();
    EXPECT_STREQ(tbuffer, "Undo: volume, index 2, channel 1");
    EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], 0.0f);
    EXPECT_EQ(ChanActive[Cell(1, 1)], 0);
    EXPECT_EQ(SlotText(1, 1), "") << "the table shows the undone mix";
    EXPECT_EQ(A1->value(), 0);
    RedoLastEdit();
    EXPECT_FLOAT_EQ(Volume[Cell(1, 1)], -7.25f);
    EXPECT_EQ(SlotText(1, 1), "-7.25");
    EXPECT_DOUBLE_EQ(vol1->value(), -7.25);
}

TEST(CuesWindow, TwoCellEditsAreTwoUndoSteps)
{
    Start();
    Recall(MIX);
    GoTo(2, 1);
    OpenCueEntry(CueColumnOf(ChannelSlot(1)));
    CueEntry->value("-7.25");
    StoreCueEntry();
    OpenCueEntry(CueColumnOf(ChannelSlot(2)));
    CueEntry->value("-3");
    StoreCueEntry();
    UndoLastEdit();
    EXPECT_EQ(ChanActive[Cell(2, 1)], 0);
    EXPECT_EQ(ChanActive[Cell(1, 1)], 1) << "the first edit is a step of its own";
    EXPECT_DOUBLE_EQ(vol1->value(), -7.25);
}

// ---- the cue list: whole cue points, and every column edited in the table ----

namespace {

// Cue points 1 to 24 active, 10 s apart, named "Cue n", channel 1 at -n dB.
void TwentyFourCues()
{
    for (int i = 0; i < 24; i++) {
        IndexActiveArray[i] = ChanActive[Cell(1, i)] = 1;
        IndexMin[i] = float(i * 10 / 60);
        IndexSec[i] = float(i * 10 % 60);
        snprintf(CueNameBuffer[i], CUE_SIZE, "Cue %d", i + 1);
        Volume[Cell(1, i)] = -float(i + 1);
    }
    RefreshCues();
}

std::string Names(std::initializer_list<int> indices)
{
    std::string names;
    for (int i : indices)
        names += std::string(CueNameBuffer[i]) + "|";
    return names;
}

} // namespace

TEST(CuesWindow, WholeCuePointsMoveWithTheirNamesAndTheFrameFollows)
{
    Start();
    TwentyFourCues();
    GoTo(16, 1);
    Key(CueTable, FL_Insert);
    EXPECT_TRUE(CurrentIndex() == 16 && FrameColumn() == COL_CUE) << "on the new cue point's name";
    EXPECT_EQ(Names({15, 16, 17}), "Cue 16||Cue 17|");
    EXPECT_FLOAT_EQ(Volume[Cell(1, 17)], -17);
    EXPECT_EQ(Text(16, COL_MIN) + ":" + Text(16, COL_SEC), "2:35") << "halfway to cue 17";
    EXPECT_EQ(std::string(CueMessage->value()), "Inserted cue point 17") << "in the top bar";
    Key(CueTable, 'B', 0, "B");
    ASSERT_TRUE(CueEntry->visible()) << "typing names it at once";
    UndoLastEdit();
    EXPECT_EQ(std::string(tbuffer), "Undo: insert cue point 17");

    // At the first cue point: a copy of its strips, removed again.
    GoTo(1, 1);
    Key(CueTable, FL_Insert, FL_CTRL);
    EXPECT_TRUE(CurrentIndex() == 1 && Volume[Cell(1, 1)] == -1);
    EXPECT_EQ(Names({1, 2}), "|Cue 2|");
    Key(CueTable, FL_Delete, FL_CTRL);
    EXPECT_EQ(Names({1}), "Cue 2|");
    EXPECT_EQ(CurrentIndex(), 1) << "on the cue point that took its place";

    // Cue point 512 in use: nothing moves; removing it frames the nearest cue point before.
    IndexActiveArray[511] = 1;
    GoTo(5, 1);
    Key(CueTable, FL_Insert);
    EXPECT_EQ(std::string(tbuffer), "Cue point 512 is in use: remove a cue point before inserting one");
    EXPECT_EQ(Names({5}), "Cue 6|");
    GoTo(512, 1);
    Key(CueTable, FL_Delete, FL_CTRL);
    EXPECT_TRUE(IndexActiveArray[511] == 0 && CurrentIndex() == 23);

    // Ctrl+T: cue 3 moved to 205 s goes between cues 21 and 22, with its levels; the frame follows.
    IndexMin[2] = 3;
    IndexSec[2] = 25;
    GoTo(3, 1);
    Key(CueTable, 't', FL_CTRL, "\024");
    EXPECT_EQ(Names({19, 20, 21}), "Cue 21|Cue 3|Cue 22|");
    EXPECT_TRUE(Volume[Cell(1, 20)] == -3 && CurrentIndex() == 20);
}

TEST(CuesWindow, TypingEditsTimeNameAndActiveCells)
{
    Start();
    TwentyFourCues();
    GoTo(2, 1);
    SetFrameColumn(COL_SEC);
    Key(CueTable, '7', 0, "7");
    EXPECT_EQ(std::string(CueEntry->value()), "7") << "typing starts the entry with the character";
    CueEntry->value("7.5");
    Key(CueEntry, FL_Tab, 0, "\t");
    EXPECT_DOUBLE_EQ(GuiSec->value(), 7.5) << "stored, and the faders window shows it";
    EXPECT_EQ(FrameColumn(), COL_MSEC) << "Tab moves right";

    Key(CueTable, 'x', 0, "x");
    Key(CueEntry, FL_Enter, 0, "\r");
    EXPECT_EQ(Text(1, COL_MSEC), "0");
    EXPECT_EQ(std::string(tbuffer), "Not stored: a time field takes a number");
    EXPECT_EQ(CurrentIndex(), 1) << "a refused value leaves the frame where it is";

    Key(CueTable, FL_Tab);
    Key(CueTable, FL_Enter, 0, "\r");
    CueEntry->value(("Verse\ntwo" + std::string(70, '!')).c_str());
    Key(CueEntry, FL_Enter, 0, "\r");
    EXPECT_EQ(Names({1}), "Verse two" + std::string(54, '!') + "|") << "63 characters on one line";
    EXPECT_EQ(CurrentIndex(), 2) << "Return moves down";
    Key(CueTable, 'Z', 0, "Z");
    Key(CueEntry, FL_Escape, 0, "\033");
    EXPECT_EQ(Names({2}), "Cue 3|") << "Escape stores nothing";

    SetFrameColumn(CueColumnOf(ChannelSlot(4)));
    ClickCueHeading(CueColumnOf(ChannelSlot(1)));
    EXPECT_EQ(FrameColumn(), CueColumnOf(ChannelSlot(4))) << "a heading chooses the plot only";
    SetFrameColumn(COL_ACTIVE);
    Key(CueTable, ' ', 0, " ");
    EXPECT_TRUE(IndexActiveArray[2] == 0 && IndexActive->value() == 0);
}
