#include <gtest/gtest.h>

#include <cstring>

#include "state/effects.h"
#include "state/mix_state.h"

TEST(MixState, SlotNumberingAndLayout)
{
    EXPECT_EQ(MasterSlot(), 0);
    EXPECT_EQ(ChannelSlot(127), 127);
    EXPECT_EQ(SubmixSlot(1), 128);
    EXPECT_EQ(SubmixSlot(8), 135);
    EXPECT_EQ(VcaSlot(1), 136);
    EXPECT_EQ(VcaSlot(8), 143);
    EXPECT_EQ(Cell(5, 3), 2563);
    EXPECT_EQ(Cell(143, 511), SLOT_COUNT * INDEX_COUNT - 1);
    EXPECT_EQ(RouteCell(7, 3), 6 * 8 + 2);
    EXPECT_EQ(sizeof Volume, 294912u);
    EXPECT_EQ(sizeof Pcomp, 4608u);
    EXPECT_EQ(sizeof reserve_fbuff, 262144u);
}

TEST(MixState, StartUpDefaults)
{
    // Dirty the state first: the defaults must be written, not inherited from zeroed storage.
    Volume[Cell(7, 9)] = -12;
    Shape[Cell(143, 511)] = 3;
    ChanActive[Cell(1, 1)] = 1;
    IndexActiveArray[4] = 1;
    strcpy(NameBuffer[5], "Kick");
    strcpy(CueNameBuffer[3], "Verse");
    Pcomp[12][0] = 1;
    SubAsn[RouteCell(3, 2)] = 1;
    VcaOn[4] = 1;
    CNL = 0;
    ClearInternalArrays();

    EXPECT_STREQ(NameBuffer[0], "Master");
    for (int c = 1; c <= CHANNEL_COUNT; c++)
        EXPECT_STREQ(NameBuffer[c], "") << c;
    EXPECT_STREQ(NameBuffer[SubmixSlot(1)], "Submix 1");
    EXPECT_STREQ(NameBuffer[SubmixSlot(8)], "Submix 8");
    EXPECT_STREQ(NameBuffer[VcaSlot(1)], "VCA 1");
    EXPECT_STREQ(NameBuffer[VcaSlot(8)], "VCA 8");
    EXPECT_STREQ(CueNameBuffer[3], "");

    for (int cell = 0; cell < SLOT_COUNT * INDEX_COUNT; cell++) {
        ASSERT_EQ(Shape[cell], 1.0f);
        ASSERT_EQ(Volume[cell], 0.0f);
        ASSERT_EQ(Offset[cell], 0.0f);
        ASSERT_EQ(Ramp[cell], 0.0f);
        ASSERT_EQ(ChanActive[cell], 0);
    }
    EXPECT_EQ(IndexActiveArray[0], 1);
    for (int i = 1; i < INDEX_COUNT; i++)
        ASSERT_EQ(IndexActiveArray[i], 0) << i;

    for (const EffectKind &fx : Effects)
        for (int s = 0; s < SLOT_COUNT; s++)
            ASSERT_EQ(fx.table[s][0], 0.0f) << fx.key << " slot " << s;
    for (int s : {0, 1, 135, 143}) {
        const float expected[5] = {0, 0, 10, 100, 1.5f};
        for (int c = 0; c < 5; c++)
            EXPECT_EQ(Pcomp[s][c], expected[c]) << "slot " << s << " cell " << c;
    }
    EXPECT_EQ(Plshelf[3][1], 500.0f);
    EXPECT_EQ(Pband2[3][1], 2500.0f);
    EXPECT_EQ(Pnlc[3][2], 300.0f);
    EXPECT_EQ(SubAsn[RouteCell(3, 2)], 0);
    EXPECT_EQ(VcaOn[4], 0);

    EXPECT_EQ(Ptrtn[2], 5.0f);
    EXPECT_EQ(Prlp[1], 7000.0f);
    EXPECT_EQ(Prev_width, 50.0f);
    EXPECT_EQ(Prev_position[2], 43.0f);

    EXPECT_STREQ(MixName, "MixFilename");
    EXPECT_STREQ(DeviceName, "default");
    EXPECT_EQ(OutbitsStore, 24);
    EXPECT_EQ(PanlawStore, 3.0f);
    EXPECT_EQ(DitherBits, 1);
    EXPECT_EQ(CNL, 1);
    EXPECT_EQ(color, 97);
}

TEST(MixState, CopyTextCutsToFit)
{
    char cue[CUE_SIZE];
    std::string long_text(200, 'x');
    CopyText(cue, sizeof cue, long_text.c_str());
    EXPECT_EQ(strlen(cue), 63u);
    CopyText(cue, sizeof cue, "50%");
    EXPECT_STREQ(cue, "50%");

    // Texts of the state never hold a line break.
    CopyOneLine(cue, sizeof cue, "x\nend\r\nmore");
    EXPECT_STREQ(cue, "x end  more");
    CopyOneLine(cue, sizeof cue, long_text.c_str());
    EXPECT_EQ(strlen(cue), 63u);
    CopyOneLine(cue, 4, "a\rbcdef", 7);
    EXPECT_STREQ(cue, "a b");
}
