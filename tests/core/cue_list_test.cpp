// Whole cue points moving with their names: insert, copy, remove and sort by time, at the
// first, a middle and the last index.
#include <gtest/gtest.h>

#include <string>

#include "state/cue_list.h"
#include "state/cue_points.h"

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
            ChanActive[Cell(s, i)] = (s + i) % 2;
        }
    }
}

// Index `at` holds the cue point that was at `from` (`from` -1: an empty one), every table of it.
void ExpectCue(int at, int from)
{
    SCOPED_TRACE("index " + std::to_string(at) + " from " + std::to_string(from));
    EXPECT_EQ(std::string(CueNameBuffer[at]), from < 0 ? "" : "cue " + std::to_string(from));
    for (int s : {0, 77, 143}) {
        EXPECT_EQ(Volume[Cell(s, at)], from < 0 ? 0.0f : -float(from));
        EXPECT_EQ(ChanActive[Cell(s, at)], from < 0 ? 0 : (s + from) % 2);
    }
    if (from >= 0) {
        EXPECT_TRUE(IndexSec[at] == float(from) && IndexActiveArray[at] == (from % 2 == 0));
    }
}

} // namespace

TEST(CueList, InsertMovesLaterCuePointsWithTheirNamesOrIsRefused)
{
    for (int at : {0, 200, 508}) {
        FillCues();
        int moved[INDEX_COUNT];
        ASSERT_EQ(InsertCuePointAfter(at, false, moved), at + 1);
        ExpectCue(at, at);
        ExpectCue(at + 1, -1);
        EXPECT_EQ(IndexActiveArray[at + 1], 1);
        ExpectCue(at + 2, at + 1);
        ExpectCue(511, 510);
        EXPECT_TRUE(moved[at + 1] == at + 2 && moved[511] == -1) << "the inactive last index drops off";
        EXPECT_DOUBLE_EQ(CueSeconds(at + 1), at + 1.0) << "halfway to the next active in time";
    }
    EXPECT_TRUE(IndexMin[509] == 8 && IndexSec[509] == 29 && IndexMsec[509] == 0) << "whole fields";

    FillCues();
    IndexSec[510] = 30.5f;   // the latest active cue point is now 508, at 508 s
    ASSERT_EQ(InsertCuePointAfter(508, true), 509);
    EXPECT_DOUBLE_EQ(CueSeconds(509), 513.0) << "5 s after the latest";
    EXPECT_STREQ(CueNameBuffer[509], "") << "a copy has no name";
    EXPECT_TRUE(Volume[Cell(143, 509)] == -508.0f && ChanActive[Cell(143, 509)] == (143 + 508) % 2);

    FillCues();
    IndexActiveArray[511] = 1;
    EXPECT_EQ(InsertCuePointAfter(0, false), -1) << "cue point 512 in use";
    IndexActiveArray[511] = 0;
    EXPECT_EQ(InsertCuePointAfter(511, false), -1) << "no index after the last";
    ExpectCue(1, 1);
    ExpectCue(511, 511);
}

TEST(CueList, RemoveMovesLaterCuePointsDownAndEmptiesTheEnd)
{
    FillCues();
    bool removed[INDEX_COUNT] = {};
    removed[0] = removed[200] = removed[201] = removed[511] = true;
    int moved[INDEX_COUNT];
    EXPECT_EQ(RemoveCuePoints(removed, moved), 4);
    ExpectCue(0, 1);
    ExpectCue(199, 202);
    ExpectCue(507, 510);
    for (int i = 508; i < INDEX_COUNT; i++) {
        ExpectCue(i, -1);
        EXPECT_EQ(IndexActiveArray[i], 0);
    }
    EXPECT_TRUE(moved[200] == -1 && moved[202] == 199);
}

TEST(CueList, SortShufflesActiveCuePointsAmongTheirIndicesOnly)
{
    FillCues();
    EXPECT_FALSE(SortCuePointsByTime()) << "in order already";
    IndexSec[0] = 1000.0f;   // the first active cue point is the latest
    IndexSec[400] = 3.0f;    // between 2 and 4 in time
    int moved[INDEX_COUNT];
    EXPECT_TRUE(SortCuePointsByTime(moved));
    EXPECT_STREQ(CueNameBuffer[2], "cue 400");
    EXPECT_STREQ(CueNameBuffer[510], "cue 0");
    EXPECT_EQ(moved[400], 2);
    ExpectCue(4, 4);
    for (int i = 1; i < INDEX_COUNT; i += 2)
        ExpectCue(i, i);   // inactive: untouched
    for (int i = 2; i < INDEX_COUNT; i += 2)
        EXPECT_LE(CueSeconds(i - 2), CueSeconds(i));
}
