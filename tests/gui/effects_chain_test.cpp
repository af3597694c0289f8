// A slot's effect chain through the clipboard with Ctrl+C, Ctrl+V and Ctrl+Shift+V in the
// effects window: the text is the slot's lines of a store, a paste is one undo step.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../core/journaled_state.h"
#include "app/undo.h"
#include "effects/chain_clipboard.h"
#include "effects/effects_window.h"
#include "effects_test_clicks.h"
#include "files/project_files.h"
#include "gui_harness.h"
#include "state/status_message.h"

namespace {

std::string Chain(int slot)
{
    char text[CHAIN_TEXT_SIZE];
    EffectChainText(slot, text, sizeof text);
    return text;
}

// The lines of faders.txt whose slot field is `slot` ("11" or "M"), LF-ended.
std::string StoredLines(const std::string &slot)
{
    EXPECT_TRUE(StageWriteToFile());
    std::ifstream file("faders.txt", std::ios::binary);
    std::string line, lines;
    while (std::getline(file, line))
        if (line.find("\t" + slot + "\t") != std::string::npos && line.rfind("p\t", 0) != 0)
            lines += line.substr(0, line.size() - 1) + "\n";
    return lines;
}

void PressCtrl(int key, int shift = 0)
{
    PressKey(EffectsWindow, key, "", FL_CTRL | shift);
}

// Channel 11: peak compressor, low shelf and band 1, and a reverb send.
void SetChannel11()
{
    EditChannel(11);
    Release(comp1, -12.5);
    Click(comp0);
    Release(lshelf2, 4);
    Click(lshelf0);
    Click(band1_0);
    Click(rev_state);
}

class EffectChain : public testing::Test {
protected:
    void SetUp() override
    {
        StartVeltrane();
        EffectsWindow->show();
        SetChannel11();
        PressCtrl('c');
        EditChannel(12);
        Release(hshelf2, -3);
        Click(hshelf0);
        Release(comp3, 400);
        JournalStart();
        before = JournaledState();
    }
    ScratchDirectory dir;
    std::string before;
};

TEST_F(EffectChain, CopiesTheLinesAStoreWritesForTheSlotTheMastersInItsOwnOrder)
{
    EXPECT_STREQ(tbuffer, "Copied 4 effects from channel 11");
    EXPECT_EQ(Chain(11), StoredLines("11"));
    EditMaster();
    Click(fxg0);
    Click(trev_state);
    Click(hpass0);
    PressCtrl('c');
    EXPECT_EQ(Chain(0).substr(0, 3), "hp\t");
    EXPECT_EQ(Chain(0), StoredLines("M"));
}

TEST_F(EffectChain, PasteMakesTheTargetTheSourceAndOneUndoGivesItBack)
{
    PressCtrl('v');
    EXPECT_STREQ(tbuffer, "Pasted 4 effects from channel 11");
    std::string expected = Chain(11);
    for (size_t at; (at = expected.find("\t11\t")) != std::string::npos;)
        expected.replace(at, 4, "\t12\t");
    EXPECT_EQ(Chain(12), expected);
    EXPECT_TRUE(comp0->value());
    EXPECT_FALSE(hshelf0->value());
    EXPECT_DOUBLE_EQ(comp1->value(), -12.5);
    EXPECT_EQ(JournalUndoCount(), 1);
    UndoLastEdit();
    EXPECT_STREQ(tbuffer, "Undo: paste effects, channel 12");
    EXPECT_EQ(JournaledState(), before);
    EXPECT_TRUE(hshelf0->value());
}

TEST_F(EffectChain, ShiftPasteKeepsTheTargetsOtherBlocks)
{
    PressCtrl('v', FL_SHIFT);
    EXPECT_EQ(Chain(12).find("comp\t12\t-12.5\t10.0\t100.0\t1.5"), 0u);
    EXPECT_NE(Chain(12).find("hshelf\t12\t8000.0\t-3.0\t1.0"), std::string::npos);
    EXPECT_EQ(JournalUndoCount(), 1);
}

TEST_F(EffectChain, TakesLinesOfAnyEditorAndRefusesWhatTheReaderWouldNot)
{
    EditSubmix(2);
    PasteEffectChainText("note\r\nlim\tM\t-3\r\n\r\np\tM\t20\r\n", PASTE_WHOLE_CHAIN);
    EXPECT_STREQ(tbuffer, "Pasted 1 effect from master; 2 other lines left out");
    EXPECT_EQ(Chain(SubmixSlot(2)), "lim\tG\t2\t-3.0\n");
    const std::string pasted = JournaledState();
    const char *refused[] = {
        "", "p\t11\t-30\n", "comp\t11\t-10.0\t10.0\n", "comp\t11\t-10\t10\t100\t1.5\t9\n",
        "hp\t11\tx\n", "lim\t140\t-3\n", "lim\tG\t9\t-3\n", "lim\t11\t-3\nhp\t12\t100\n",
        "fxg\t11\tnan\n",
    };
    for (const char *text : refused) {
        PasteEffectChainText(text, PASTE_WHOLE_CHAIN);
        EXPECT_EQ(std::string(tbuffer).rfind("Nothing pasted: ", 0), 0u) << text << tbuffer;
        EXPECT_EQ(JournaledState(), pasted) << text;
    }
    EXPECT_EQ(JournalUndoCount(), 1);
}

} // namespace
