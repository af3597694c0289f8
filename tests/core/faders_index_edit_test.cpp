// Inserting, removing and propagating whole time indices over the nine automation tables.
#include <gtest/gtest.h>

#include <cstring>

#include "state/index_edit.h"
#include "state/mix_state.h"

namespace {

// Every cell holds a value that tells where it came from.
float Mark(int slot, int index) { return slot * 1000.0f + index; }

void FillMarks()
{
    ClearInternalArrays();
    for (int s = 0; s < SLOT_COUNT; s++)
        for (int i = 0; i < INDEX_COUNT; i++) {
            Volume[Cell(s, i)] = -Mark(s, i);
            Offset[Cell(s, i)] = Mark(s, i) + 0.25f;
            Ramp[Cell(s, i)] = Mark(s, i) + 0.5f;
            Shape[Cell(s, i)] = Mark(s, i) + 0.75f;
            ChanActive[Cell(s, i)] = (s + i) % 2;
        }
    for (int i = 0; i < INDEX_COUNT; i++) {
        IndexActiveArray[i] = i % 3 == 0;
        IndexMin[i] = i;
        IndexSec[i] = i + 0.5f;
        IndexMsec[i] = i + 0.125f;
        snprintf(CueNameBuffer[i], CUE_SIZE, "cue %d", i);
    }
    for (int s = 0; s < SLOT_COUNT; s++) {
        Pan[s] = s % 50;
        SoloArray[s] = s % 2;
        MuteArray[s] = s % 3 == 0;
    }
}

// Index `at` holds what index `from` held before the edit.
void ExpectIndexFrom(int at, int from)
{
    SCOPED_TRACE("index " + std::to_string(at) + " from " + std::to_string(from));
    for (int s = 0; s < SLOT_COUNT; s += 13) {
        EXPECT_EQ(Volume[Cell(s, at)], -Mark(s, from));
        EXPECT_EQ(Offset[Cell(s, at)], Mark(s, from) + 0.25f);
        EXPECT_EQ(Ramp[Cell(s, at)], Mark(s, from) + 0.5f);
        EXPECT_EQ(Shape[Cell(s, at)], Mark(s, from) + 0.75f);
        EXPECT_EQ(ChanActive[Cell(s, at)], (s + from) % 2);
    }
    EXPECT_EQ(IndexActiveArray[at], from % 3 == 0);
    EXPECT_EQ(IndexMin[at], from);
    EXPECT_EQ(IndexSec[at], from + 0.5f);
    EXPECT_EQ(IndexMsec[at], from + 0.125f);
}

void ExpectEmptyIndex(int at)
{
    SCOPED_TRACE("empty index " + std::to_string(at));
    for (int s = 0; s < SLOT_COUNT; s++) {
        EXPECT_EQ(Volume[Cell(s, at)], 0.0f);
        EXPECT_EQ(Offset[Cell(s, at)], 0.0f);
        EXPECT_EQ(Ramp[Cell(s, at)], 0.0f);
        EXPECT_EQ(Shape[Cell(s, at)], 1.0f);
        EXPECT_EQ(ChanActive[Cell(s, at)], 0);
    }
    EXPECT_EQ(IndexActiveArray[at], 0);
    EXPECT_EQ(IndexMin[at] + IndexSec[at] + IndexMsec[at], 0.0f);
}

// Cue names stay with their index numbers; pan, solo and mute belong to slots.
void ExpectUntouchedByIndexEdits()
{
    for (int i = 0; i < INDEX_COUNT; i += 37)
        EXPECT_EQ(std::string(CueNameBuffer[i]), "cue " + std::to_string(i));
    EXPECT_STREQ(CueNameBuffer[511], "cue 511");
    for (int s = 0; s < SLOT_COUNT; s++) {
        EXPECT_EQ(Pan[s], s % 50);
        EXPECT_EQ(SoloArray[s], s % 2);
        EXPECT_EQ(MuteArray[s], s % 3 == 0);
    }
}

} // namespace

TEST(IndexEdit, InsertShiftsLaterIndicesUpAndDropsTheLast)
{
    for (int at : {0, 200, 510}) {
        FillMarks();
        InsertIndexAt(at);
        ExpectEmptyIndex(at);
        if (at > 0)
            ExpectIndexFrom(at - 1, at - 1);
        ExpectIndexFrom(at + 1, at);
        ExpectIndexFrom(511, 510);
        ExpectUntouchedByIndexEdits();
    }
    FillMarks();
    InsertIndexAt(511);
    ExpectIndexFrom(510, 510);
    ExpectEmptyIndex(511);
    ExpectUntouchedByIndexEdits();
}

TEST(IndexEdit, RemoveShiftsLaterIndicesDownAndKeepsTheLast)
{
    for (int at : {0, 200, 510}) {
        FillMarks();
        RemoveIndexAt(at);
        if (at > 0)
            ExpectIndexFrom(at - 1, at - 1);
        ExpectIndexFrom(at, at + 1);
        ExpectIndexFrom(510, 511);
        ExpectIndexFrom(511, 511);
        ExpectUntouchedByIndexEdits();
    }
    FillMarks();
    RemoveIndexAt(511);
    ExpectIndexFrom(510, 510);
    ExpectIndexFrom(511, 511);
}

TEST(IndexEdit, PropagateCopiesOntoTheNextIndexOnly)
{
    for (int at : {0, 4, 509}) {
        FillMarks();
        EXPECT_TRUE(PropagateIndexAt(at));
        ExpectIndexFrom(at, at);
        ExpectIndexFrom(at + 1, at);
        if (at + 2 < INDEX_COUNT)
            ExpectIndexFrom(at + 2, at + 2);
        ExpectUntouchedByIndexEdits();
    }
    for (int at : {510, 511}) {
        FillMarks();
        EXPECT_FALSE(PropagateIndexAt(at));
        ExpectIndexFrom(510, 510);
        ExpectIndexFrom(511, 511);
    }
}

TEST(IndexEdit, IndicesOutsideTheTablesChangeNothing)
{
    FillMarks();
    InsertIndexAt(-1);
    InsertIndexAt(512);
    RemoveIndexAt(-1);
    RemoveIndexAt(512);
    EXPECT_FALSE(PropagateIndexAt(-1));
    EXPECT_FALSE(PropagateIndexAt(512));
    for (int i : {0, 1, 300, 511})
        ExpectIndexFrom(i, i);
}
