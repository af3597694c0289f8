// A slot's effect chain through the clipboard with Ctrl+C, Ctrl+V and Ctrl+Shift+V in the
// effects window: the text is the slot's lines of a store, a paste is one undo step.
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <string>

#include "../core/journaled_state.h"
#include "app/undo.h"
#include "effects/chain_clipboard.h"
#include "effects/effects_window.h"
#include "files/effect_lines.h"
#include "effects_test_clicks.h"
#include "files/project_files.h"
#include "gui_harness.h"
#include "state/status_message.h"

namespace {

std::string Chain(int slot)
{
    char text[CHAIN_TEXT_SIZE];
    WriteEffectLines(slot, text, sizeof text);
    return text;
}

// Channel 11's peak compressor, low shelf and reverb send copied; channel 12 shown, its high
// shelf on.
class EffectChain : public testing::Test {
protected:
    void SetUp() override
    {
        StartVeltrane();
        EditChannel(11);
        Release(comp1, -12.5);
        Click(comp0);
        Click(lshelf0);
        Click(rev_state);
        PressKey(EffectsWindow, 'c', "", FL_CTRL);
        EditChannel(12);
        Click(hshelf0);
        JournalStart();
    }
    ScratchDirectory dir;
};

// The copy is channel 11's lines of a store: between the line end before them and channel
// 12's first line. Pasted, channel 12 holds the same lines; undone, what it held.
TEST_F(EffectChain, CopyIsTheStoresLinesPasteMakesTheTargetTheSourceInOneUndoStep)
{
    EXPECT_STREQ(tbuffer, "Copied 3 effects from channel 11");
    ASSERT_TRUE(StageWriteToFile());
    const std::string stored = reserve_fbuff, before = JournaledState();
    EXPECT_NE(stored.find("\n" + Chain(11) + "hshelf\t12\t"), std::string::npos) << stored;
    PressKey(EffectsWindow, 'v', "", FL_CTRL);
    EXPECT_STREQ(tbuffer, "Pasted 3 effects from channel 11");
    std::string expected = Chain(11);
    for (size_t at; (at = expected.find("\t11\t")) != std::string::npos;)
        expected.replace(at, 4, "\t12\t");
    EXPECT_EQ(Chain(12), expected);
    EXPECT_FALSE(hshelf0->value());
    UndoLastEdit();
    EXPECT_STREQ(tbuffer, "Undo: paste effects, channel 12");
    EXPECT_EQ(JournaledState(), before);
}

TEST_F(EffectChain, ShiftPasteKeepsTheTargetsOtherBlocks)
{
    PressKey(EffectsWindow, 'v', "", FL_CTRL | FL_SHIFT);
    EXPECT_EQ(Chain(12).substr(0, 38), "comp\t12\t-12.5\t10.0\t100.0\t1.5\nhshelf\t12");
}

TEST_F(EffectChain, TakesLinesOfAnyEditorAndRefusesWhatTheReaderWouldNot)
{
    EditSubmix(2);
    PasteEffectChainText("note\r\nlim\tM\t-3\r\n\r\np\tM\t20\r\n", PASTE_WHOLE_CHAIN);
    EXPECT_STREQ(tbuffer, "Pasted 1 effect from master; 2 other lines left out");
    EXPECT_EQ(Chain(SubmixSlot(2)), "lim\tG\t2\t-3.0\n");
    const std::string pasted = JournaledState();
    for (const char *text : {"", "p\t11\t-30\n", "comp\t11\t-10.0\t10.0\n", "hp\t11\t9\t9\n",
                             "hp\t11\tx\n", "lim\t140\t-3\n", "lim\tG\t9\t-3\n",
                             "lim\t11\t-3\nhp\t12\t100\n", "fxg\t11\tnan\n"}) {
        PasteEffectChainText(text, PASTE_WHOLE_CHAIN);
        EXPECT_EQ(std::string(tbuffer).rfind("Nothing pasted: ", 0), 0u) << text;
        EXPECT_EQ(JournaledState(), pasted) << text;
    }
}

} // namespace
