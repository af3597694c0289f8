// Whole cue points moving with their names: insert, copy, remove and sort by time.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "state/cue_list.h"
#include "state/mix_state.h"

namespace {

// Cue point i: active on even indices, at i seconds, named "cue i", and marked in every slot.
void FillCues()
{
    ClearInternalArrays();
    for (int i = 0; i < INDEX_COUNT; i++) {
        IndexActiveArray[i] = i % 2 == 0;
        IndexSec[i] = float(i);
        snprintf(CueNameBuffer[i], CUE_SIZE, "cue %d", i);
        for (int s = 0; s < SLOT_COUNT; s++) {
            Volume[Cell(s, i)] = -float(i);
            Shape[Cell(s, i)] = float(s + i);
            ChanActive[Cell(s, i)] = (s + i) % 2;
        }
    }
}

// Index `at` holds the cue point that was at `from`, every table of it.
void ExpectCue(int at, int from)
{
    SCOPED_TRACE("index " + std::to_string(at) + " from " + std::to_string(from));
    EXPECT_EQ(std::string(CueNameBuffer[at]), "cue " + std::to_string(from));
    EXPECT_EQ(IndexSec[at], float(from));
    EXPECT_EQ(IndexActiveArray[at], from % 2 == 0);
    for (int s : {0, 77, 143}) {
        EXPECT_EQ(Volume[Cell(s, at)], -float(from));
        EXPECT_EQ(Shape[Cell(s, at)], float(s + from));
        EXPECT_EQ(ChanActive[Cell(s, at)], (s + from) % 2);
    }
}

void ExpectEmpty(int at, int active)
{
    EXPECT_EQ(IndexActiveArray[at], active) << at;
    EXPECT_STREQ(CueNameBuffer[at], "") << at;
    for (int s : {0, 77, 143})
        EXPECT_TRUE(Volume[Cell(s, at)] == 0 && Shape[Cell(s, at)] == 1 && ChanActive[Cell(s, at)] == 0) << at;
}

double Seconds(int i) { return IndexMin[i] * 60.0 + IndexSec[i] + IndexMsec[i] / 1000.0; }

} // namespace

TEST(CueList, InsertAfterMovesLaterCuePointsWithTheirNames)
{
    for (int at : {0, 200, 508}) {
        FillCues();
        int moved[INDEX_COUNT];
        ASSERT_EQ(InsertCuePointAfter(at, false, moved), at + 1);
        ExpectCue(at, at);
        ExpectEmpty(at + 1, 1);
        ExpectCue(at + 2, at + 1);
        ExpectCue(511, 510);
        EXPECT_EQ(moved[at + 1], at + 2);
        EXPECT_EQ(moved[511], -1) << "the inactive last index drops off";
        EXPECT_DOUBLE_EQ(Seconds(at + 1), at + 1.0) << "halfway to the next active in time";
        if (at == 200) {
            EXPECT_TRUE(IndexMin[201] == 3 && IndexSec[201] == 21 && IndexMsec[201] == 0) << "whole fields";
        }
    }
    FillCues();
    IndexSec[510] = 30.5f;   // the latest active cue point is 508, at 508 s; 510 is earlier
    ASSERT_EQ(InsertCuePointAfter(508, true), 509);
    EXPECT_DOUBLE_EQ(Seconds(509), 513.0) << "5 s after the latest";
    EXPECT_EQ(IndexMin[509], 8.0f);
    EXPECT_EQ(IndexSec[509], 33.0f);
    EXPECT_STREQ(CueNameBuffer[509], "") << "a copy has no name";
    EXPECT_EQ(Volume[Cell(143, 509)], -508.0f);
    EXPECT_EQ(ChanActive[Cell(143, 509)], (143 + 508) % 2);
}

TEST(CueList, InsertIsRefusedWhenTheLastIndexIsInUse)
{
    FillCues();
    IndexActiveArray[511] = 1;
    EXPECT_EQ(InsertCuePointAfter(0, false), -1);
    EXPECT_EQ(InsertCuePointAfter(200, true), -1);
    IndexActiveArray[511] = 0;
    EXPECT_EQ(InsertCuePointAfter(511, false), -1) << "no index after the last";
    for (int i = 0; i < INDEX_COUNT; i++)
        ExpectCue(i, i);
}

TEST(CueList, RemoveMovesLaterCuePointsDownAndEmptiesTheEnd)
{
    FillCues();
    bool removed[INDEX_COUNT] = {};
    removed[0] = removed[200] = removed[201] = removed[511] = true;
    int moved[INDEX_COUNT];
    EXPECT_EQ(RemoveCuePoints(removed, moved), 4);
    ExpectCue(0, 1);
    ExpectCue(198, 199);
    ExpectCue(199, 202);
    ExpectCue(507, 510);
    for (int i = 508; i < INDEX_COUNT; i++)
        ExpectEmpty(i, 0);
    EXPECT_EQ(moved[200], -1);
    EXPECT_EQ(moved[202], 199);
}

TEST(CueList, SortShufflesActiveCuePointsAmongTheirIndicesOnly)
{
    FillCues();
    EXPECT_FALSE(SortCuePointsByTime()) << "in order already";
    ExpectCue(300, 300);
    IndexSec[0] = 1000.0f;   // the first active cue point is the latest
    IndexSec[400] = 3.0f;    // between 2 and 4 in time
    int moved[INDEX_COUNT];
    EXPECT_TRUE(SortCuePointsByTime(moved));
    EXPECT_STREQ(CueNameBuffer[0], "cue 2");
    EXPECT_STREQ(CueNameBuffer[2], "cue 400");
    EXPECT_STREQ(CueNameBuffer[4], "cue 4");
    EXPECT_STREQ(CueNameBuffer[510], "cue 0");
    EXPECT_EQ(Volume[Cell(9, 510)], 0.0f);
    EXPECT_EQ(moved[400], 2);
    for (int i = 1; i < INDEX_COUNT; i += 2)
        ExpectCue(i, i);   // inactive: untouched
    for (int i = 2; i < INDEX_COUNT; i += 2)
        EXPECT_LE(Seconds(i - 2), Seconds(i));
}
