// Edits of many cells in the cue window: Ctrl and Shift selections, a typed relative edit over
// them, a run of nudges, a paste from a spreadsheet and a refused one, each one undo step that
// puts the mix back exactly.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Table.H>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../core/journaled_state.h"
#include "app/undo.h"
#include "cues/cue_block.h"
#include "cues/cue_frame.h"
#include "cues/cue_table.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "faders/faders.h"
#include "gui_harness.h"
#include "state/callback.h"
#include "state/mix_state.h"
#include "state/status_message.h"

namespace {

// Eight active cue points; channels 1 and 2 automated at every other one.
void Mix()
{
    StartVeltrane();
    for (int i = 0; i < 8; i++) {
        IndexActiveArray[i] = 1;
        IndexSec[i] = float(i * 4);
        if (i % 2 == 0)
            for (int slot = 1; slot <= 2; slot++) {
                ChanActive[Cell(slot, i)] = 1;
                Volume[Cell(slot, i)] = -float(i);
            }
    }
    Bank->value(1);
    TimeIndex->value(1);
    TimeIndex->do_callback();
    ShowCues();
    SetFrameColumn(FIXED_COLUMNS);
    ClearCueSelection();
}

float V(int slot, int index) { return Volume[Cell(slot, index)]; }

std::string Undone()
{
    UndoLastEdit();
    return tbuffer;
}

// A key pressed in the cue window with the table focused.
void Key(int keysym, int state = 0, const char *text = "")
{
    Fl::focus(CueTable);
    PressKey(CuesWindow, keysym, text, state);
}

// Typed over the selection in the entry and stored with Return, as the user does.
bool Typed(const char *text)
{
    OpenCueEntry(FrameColumn(), text);
    return StoreCueEntry();
}

} // namespace

TEST(CueBlock, CtrlSelectionsTakeARelativeEditAsOneStep)
{
    Mix();
    const std::string before = JournaledState();
    // Two "choruses" in two columns: rows 0..2 of channel 1, rows 4..6 of channel 2.
    SelectCueCells(0, 0, SELECT_NEW);
    SelectCueCells(2, 0, SELECT_EXTEND);
    SelectCueCells(4, 1, SELECT_ADD);
    SelectCueCells(6, 1, SELECT_EXTEND);
    char text[80];
    CueSelectionText(text, sizeof text);
    EXPECT_STREQ(text, "6 cells over 6 cue points selected");
    EXPECT_FALSE(Typed("lower by 2"));
    EXPECT_NE(strstr(tbuffer, "+=dB"), nullptr) << tbuffer;
    EXPECT_TRUE(CueEntry->visible()) << "refused over a selection: the typing stays to be mended";
    CloseCueEntry();
    ASSERT_TRUE(Typed("-=2"));
    EXPECT_STREQ(tbuffer, "Lowered 4 cells by 2.0 dB (2 without auto left as they are)");
    EXPECT_EQ(V(1, 0), -2);
    EXPECT_EQ(V(1, 2), -4);
    EXPECT_EQ(V(2, 4), -6);
    EXPECT_EQ(V(2, 2), -2) << "not selected";
    EXPECT_EQ(ChanActive[Cell(1, 1)], 0);
    EXPECT_EQ(Undone(), "Undo: -2.0 dB on 4 cells");
    EXPECT_EQ(JournaledState(), before);
    // Another bank, or other rows shown, leaves the selection.
    SelectAllCues();
    Key(FL_Page_Down, FL_CTRL);
    CueSelectionText(text, sizeof text);
    EXPECT_STREQ(text, "");
    Key(FL_Page_Up, FL_CTRL);
    SelectAllCues();
    IndexActiveArray[7] = 0;
    RefreshCues();
    EXPECT_FALSE(CueSelectionShown());
}

TEST(CueBlock, ARunOfNudgesIsOneStepNamedByItsSum)
{
    Mix();
    const std::string before = JournaledState();
    Key('a', FL_CTRL);
    for (int k = 0; k < 3; k++)
        Key(FL_Up, FL_CTRL);
    Key(FL_Down, FL_CTRL | FL_SHIFT);
    EXPECT_FLOAT_EQ(V(1, 6), -6 + 2.9f);
    EXPECT_EQ(Undone(), "Undo: +2.9 dB on 8 cells");
    EXPECT_EQ(JournaledState(), before);
    // Anything in between starts a new run.
    Key(FL_Up, FL_CTRL);
    Key(FL_Down, FL_SHIFT);
    Key(FL_Up, FL_CTRL);
    EXPECT_EQ(Undone(), "Undo: +1.0 dB on 8 cells");
    EXPECT_EQ(V(1, 0), 1);
    // A move of the frame without Shift leaves the selection; the column is the first strip.
    Key(FL_Right);
    char text[80];
    CueSelectionText(text, sizeof text);
    EXPECT_STREQ(text, "");
}

TEST(CueBlock, SpreadsheetPasteAtTheFrameAndARefusedOne)
{
    Mix();
    GoToCuePoint(6);                        // the frame: row 6, channel 1
    const std::string before = JournaledState();
    const char bad[] = "-1\t-2\r\n-3\tloud\r\n";
    PasteCueText(bad, int(strlen(bad)));
    EndOperation(CueTable);
    EXPECT_STREQ(tbuffer, "Paste refused, nothing changed: line 2, field 2 (\"loud\") is not a number");
    EXPECT_EQ(JournaledState(), before);
    const char sheet[] = "-1,5\t\r\n-3\t-4\r\n-5\t-6\r\n";
    PasteCueText(sheet, int(strlen(sheet)));
    EndOperation(CueTable);
    EXPECT_STREQ(tbuffer, "Pasted 3 x 2 cells onto 4 cells (1 row past the last row cut off)");
    EXPECT_EQ(V(1, 6), -1.5f);
    EXPECT_EQ(ChanActive[Cell(2, 6)], 0);
    EXPECT_EQ(V(2, 7), -4);
    EXPECT_EQ(Undone(), "Undo: paste on 4 cells");
    EXPECT_EQ(JournaledState(), before);
}
