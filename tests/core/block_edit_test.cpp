// Edits of many strip cells: selections, the level in force, the operations at the edges of the
// range and of the table, the clipboard text, and undo of each operation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "files/cell_text.h"
#include "journaled_state.h"
#include "state/block_edit.h"
#include "state/level_in_force.h"
#include "state/mix_state.h"
#include "state/undo_journal.h"

namespace {

// Six active cue points at uneven times (0, 10, 12, 40, 41, 60 s) shown as rows 0..5; strip
// columns 0..2 are channels 1..3.
int row_index[SELECTION_ROWS];
const int column_slot[] = {1, 2, 3};
const CellGrid GRID = {row_index, 6, column_slot, 3};
CellSelection sel;
BlockCell cells[MAX_BLOCK_CELLS];

void Mix()
{
    ClearInternalArrays();
    const float seconds[] = {0, 10, 12, 40, 41, 60};
    for (int i = 0; i < 6; i++) {
        IndexActiveArray[i] = 1;
        IndexSec[i] = seconds[i];
        row_index[i] = i;
    }
    ClearSelection(&sel);
}

void Auto(int slot, int index, float v)
{
    Volume[Cell(slot, index)] = v;
    ChanActive[Cell(slot, index)] = 1;
}

int Select(int top, int left, int bottom, int right)
{
    SelectRect(&sel, {top, left, bottom, right}, false);
    return ListSelectedCells(&sel, &GRID, cells);
}

float V(int slot, int index) { return Volume[Cell(slot, index)]; }

} // namespace

TEST(BlockEdit, CtrlAddsRectanglesAndShiftMovesTheNewestCorner)
{
    Mix();
    SelectCell(&sel, 1, 0);
    ExtendSelection(&sel, 2, 0);            // chorus 1, column 0
    AddCell(&sel, 3, 1);
    ExtendSelection(&sel, 5, 1);            // Ctrl: chorus 2, column 1
    ExtendSelection(&sel, 4, 2);            // Shift moves only the newest rectangle
    EXPECT_EQ(SelectedCells(&sel), 2 + 2 * 2);
    EXPECT_EQ(SelectedRows(&sel), 4);
    EXPECT_TRUE(IsSelected(&sel, 2, 0));
    EXPECT_FALSE(IsSelected(&sel, 5, 1));
    EXPECT_FALSE(IsOneRect(&sel));
    CellRect b;
    ASSERT_TRUE(SelectionBounds(&sel, &b));
    EXPECT_EQ(b.top, 1);
    EXPECT_EQ(b.right, 2);
    // Column by column, top to bottom: the order fill and interpolation walk.
    ASSERT_EQ(ListSelectedCells(&sel, &GRID, cells), 6);
    EXPECT_EQ(cells[2].slot, 2);
    EXPECT_EQ(cells[2].index, 3);
    SelectCell(&sel, 0, 0);                 // a plain click starts afresh
    EXPECT_EQ(SelectedCells(&sel), 1);
}

TEST(BlockEdit, LevelInForceFollowsTimeAndOnlyActiveCuePoints)
{
    Mix();
    Auto(1, 0, -10);
    Auto(1, 1, -20);                        // inactive below: sets nothing
    IndexActiveArray[1] = 0;
    Auto(1, 2, -30);
    IndexSec[2] = 50;                       // earlier in the table, later in time than index 3, 4
    float level = 99;
    EXPECT_TRUE(LevelInForce(1, 3, &level));
    EXPECT_EQ(level, -10);
    EXPECT_TRUE(LevelInForce(1, 5, &level));
    EXPECT_EQ(level, -30);
    EXPECT_FALSE(LevelInForce(2, 5, &level));
    int order[INDEX_COUNT];
    float levels[INDEX_COUNT];
    bool has[INDEX_COUNT];
    const int count = ActiveCuesInTime(order);
    LevelsInForce(1, order, count, levels, has);
    for (int i = 0; i < 6; i++) {
        float one = 0;
        ASSERT_EQ(has[i], LevelInForce(1, i, &one)) << i;
        EXPECT_EQ(levels[i], has[i] ? one : 0) << i;
    }
    // A time that is no number (a recalled "nan") sorts last instead of breaking the order.
    IndexSec[0] = NAN;
    ASSERT_EQ(ActiveCuesInTime(order), 5);
    EXPECT_EQ(order[4], 0);
    EXPECT_EQ(order[0], 3);
    EXPECT_FALSE(LevelInForce(1, 3, &level));
}

TEST(BlockEdit, ShiftMovesAutomatedCellsOnlyAndHoldsTheRange)
{
    Mix();
    Auto(1, 0, -3);
    Auto(1, 1, -144);                       // silence stays silent
    Auto(1, 2, -143);                       // held at the floor
    Auto(1, 5, -1);                         // last row
    const int n = Select(0, 0, 5, 0);
    BlockCounts c = ShiftVolumes(cells, n, -2);
    EXPECT_EQ(V(1, 0), -5);
    EXPECT_EQ(V(1, 1), -144);
    EXPECT_EQ(V(1, 2), -144);
    EXPECT_EQ(V(1, 5), -3);
    EXPECT_EQ(ChanActive[Cell(1, 3)], 0);   // its level follows row 2
    EXPECT_EQ(c.cells, 4);
    EXPECT_EQ(c.skipped, 2);
    char message[256], step[40];
    DescribeBlockEdit(EDIT_SHIFT, -2, c, message, sizeof message, step, sizeof step);
    EXPECT_STREQ(message, "Lowered 4 cells by 2.0 dB (2 held at -144.0, 2 without auto left as they are)");
    EXPECT_STREQ(step, "-2.0 dB on 4 cells");
    c = ShiftVolumes(cells, n, 14);
    EXPECT_EQ(V(1, 0), 9);
    EXPECT_EQ(V(1, 5), 11);
    c = ShiftVolumes(cells, n, 1.5);
    EXPECT_EQ(V(1, 0), 10.5);
    EXPECT_EQ(V(1, 5), 12);
    EXPECT_EQ(c.held_high, 1);
}

TEST(BlockEdit, InterpolateWeighsByCueTimeFromTheLevelsInForce)
{
    Mix();
    Auto(1, 0, 0);
    Auto(1, 5, -60);                        // 0 dB at 0 s to -60 dB at 60 s
    Auto(2, 0, -6);                         // column 1's first cell (row 1) carries -6
    Auto(2, 4, -26);
    ASSERT_EQ(Select(0, 0, 5, 0), 6);
    BlockCounts c = Interpolate(cells, 6);
    EXPECT_EQ(c.cells, 6);
    EXPECT_FLOAT_EQ(V(1, 1), -10);
    EXPECT_FLOAT_EQ(V(1, 2), -12);
    EXPECT_FLOAT_EQ(V(1, 4), -41);
    EXPECT_EQ(ChanActive[Cell(1, 3)], 1);
    const int n = Select(1, 1, 4, 1);       // 10 s .. 41 s, first cell not automated
    Interpolate(cells, n);
    EXPECT_FLOAT_EQ(V(2, 1), -6);
    EXPECT_FLOAT_EQ(V(2, 3), -6 - 20 * 30.0f / 31);
    EXPECT_EQ(ChanActive[Cell(2, 1)], 1);   // the end now holds the level it carried
    Select(0, 2, 5, 2);
    FillDown(cells, 6);                     // nothing before: the stored volume, 0
    EXPECT_EQ(V(3, 5), 0);
    EXPECT_EQ(ChanActive[Cell(3, 5)], 1);
}

TEST(BlockEdit, TypedFormsOverASelection)
{
    double v = 0;
    EXPECT_EQ(ReadTypedEdit("-12", &v), TYPED_SET);
    EXPECT_EQ(v, -12);
    EXPECT_EQ(ReadTypedEdit("3,5", &v), TYPED_SET);
    EXPECT_EQ(ReadTypedEdit("+=2", &v), TYPED_SHIFT);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(ReadTypedEdit("+2", &v), TYPED_SHIFT);
    EXPECT_EQ(ReadTypedEdit("-=2.5", &v), TYPED_SHIFT);
    EXPECT_EQ(v, -2.5);
    for (const char *bad : {"13", "-145", "+=", "2=", "++2", "+-2", "abc", ""})
        EXPECT_EQ(ReadTypedEdit(bad, &v), TYPED_NONE) << bad;
}

TEST(BlockEdit, SpreadsheetTextPastesAndABadFieldRefusesAll)
{
    Mix();
    Auto(1, 0, -3.5f);
    Auto(3, 1, 20);                         // out of range in the mix: written as it is
    char text[256];
    const int length = ComposeCellText(&GRID, {0, 0, 1, 2}, text, sizeof text);
    ASSERT_EQ(length, int(strlen(text)));
    EXPECT_STREQ(text, "-3.50\t\t\n\t\t20.00\n");

    CellBlock block;
    char why[256];
    const char sheet[] = "-1,5\t \t20\r\n\t-200\r\n";   // a comma decimal, blanks, CR LF
    ASSERT_TRUE(ParseCellText(sheet, int(strlen(sheet)), &block, why, sizeof why));
    EXPECT_EQ(block.rows, 2);
    EXPECT_EQ(block.cols, 3);
    EXPECT_EQ(block.kind[1][2], CELL_MISSING);
    ClearSelection(&sel);
    BlockCounts c = PasteCellBlock(&block, &GRID, 4, 1, &sel);   // two rows fit, two columns do
    EXPECT_EQ(V(2, 4), -1.5f);
    EXPECT_EQ(ChanActive[Cell(3, 4)], 0);
    EXPECT_EQ(V(3, 5), -144);
    EXPECT_EQ(c.cut_cols, 1);
    EXPECT_EQ(c.held_low, 1);
    char message[256], step[40];
    DescribeBlockEdit(EDIT_PASTE, 0, c, message, sizeof message, step, sizeof step);
    EXPECT_STREQ(message, "Pasted 2 x 3 cells onto 4 cells (1 held at -144.0, 1 column past the last strip cut off)");

    const std::string before = JournaledState();
    const char bad[] = "-1\t-2\n-3\tx5\n";
    EXPECT_FALSE(ParseCellText(bad, int(strlen(bad)), &block, why, sizeof why));
    EXPECT_STREQ(why, "Paste refused, nothing changed: line 2, field 2 (\"x5\") is not a number");
    EXPECT_EQ(JournaledState(), before);
    EXPECT_FALSE(ParseCellText("", 0, &block, why, sizeof why));

    const char one[] = "-7\t-8\n";          // a selection larger than the block repeats it
    ASSERT_TRUE(ParseCellText(one, int(strlen(one)), &block, why, sizeof why));
    SelectRect(&sel, {0, 0, 2, 2}, false);
    c = PasteCellBlock(&block, &GRID, 0, 0, &sel);
    EXPECT_EQ(c.cells, 9);
    EXPECT_EQ(V(1, 2), -7);
    EXPECT_EQ(V(3, 2), -7);
    EXPECT_EQ(V(2, 1), -8);
}

TEST(BlockEdit, PlayedCurveHoldsThenRampsFromTheCuePointBentByItsShape)
{
    Mix();
    Auto(1, 0, 0);
    Auto(1, 3, -20);                        // 40 s: 4 s ramp, shape 2
    Ramp[Cell(1, 3)] = 4;
    Shape[Cell(1, 3)] = 2;
    Auto(1, 5, -10);                        // 60 s: a jump
    int order[INDEX_COUNT];
    const int count = ActiveCuesInTime(order);
    CurvePoint p[200];
    const int n = PlayedCurve(1, order, count, 70, p, 200);
    ASSERT_EQ(n, 2 + CURVE_STEPS + 3);
    EXPECT_EQ(p[1].seconds, 40);            // held from 0 s to 40 s
    EXPECT_EQ(p[1].dB, 0);
    EXPECT_DOUBLE_EQ(p[1 + CURVE_STEPS / 2].dB, -5);   // halfway: a quarter of the change
    EXPECT_EQ(p[1 + CURVE_STEPS].seconds, 44);
    EXPECT_EQ(p[n - 3].seconds, 60);
    EXPECT_EQ(p[n - 3].dB, -20);
    EXPECT_EQ(p[n - 2].dB, -10);
    EXPECT_EQ(p[n - 1].seconds, 70);
}

TEST(BlockEdit, UndoOfEachOperationRestoresTheMixExactly)
{
    Mix();
    for (int i = 0; i < 6; i++)
        Auto(1 + i % 3, i, -float(i) * 3);
    const std::string mix = JournaledState();
    CellBlock block;
    char why[64];
    ASSERT_TRUE(ParseCellText("1\t\t-300\n", 8, &block, why, sizeof why));
    for (int op = 0; op < 6; op++) {
        RestoreJournaledState(mix);
        JournalStart();
        const std::string before = JournaledState();
        const int n = Select(0, 0, 5, 2);
        switch (op) {
        case 0: SetVolumes(cells, n, -12); break;
        case 1: ShiftVolumes(cells, n, 2.5); break;
        case 2: SwitchAutoOff(cells, n); break;
        case 3: FillDown(cells, n); break;
        case 4: Interpolate(cells, n); break;
        case 5: ClearSelection(&sel); PasteCellBlock(&block, &GRID, 5, 0, &sel); break;
        }
        ASSERT_TRUE(JournalRecord(nullptr, "block")) << op;
        char description[64];
        ASSERT_TRUE(JournalUndo(description, sizeof description));
        EXPECT_EQ(JournaledState(), before) << op;
        ASSERT_TRUE(JournalRedo(description, sizeof description));
    }
}
