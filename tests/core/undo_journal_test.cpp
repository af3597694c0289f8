#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "state/mix_state.h"
#include "state/undo_journal.h"
#include "journaled_state.h"

namespace {

typedef std::string Snapshot;

Snapshot TakeSnapshot() { return JournaledState(); }

bool StateIs(const Snapshot &s)
{
    return TakeSnapshot() == s;
}

void FreshJournal()
{
    ClearInternalArrays();
    JournalSetLimits(JOURNAL_STEPS, JOURNAL_BYTES);
    JournalStart();
}

// Changes 1 to 3 random tables: a few scattered bytes, a run of them, or (rarely) all of it.
void RandomEdit(std::mt19937 &rng)
{
    const int tables = 1 + int(rng() % 3);
    for (int k = 0; k < tables; k++) {
        const JournalTable &t = JournalTables[rng() % JOURNAL_TABLE_COUNT];
        unsigned char *p = static_cast<unsigned char *>(t.address);
        switch (rng() % 8) {
        case 0:
            for (size_t i = 0; i < t.size; i++)
                p[i] = static_cast<unsigned char>(rng());
            break;
        case 1: {
            const size_t start = rng() % t.size, length = 1 + rng() % 200;
            for (size_t i = start; i < t.size && i < start + length; i++)
                p[i] = static_cast<unsigned char>(rng());
            break;
        }
        default:
            for (int n = 1 + int(rng() % 4); n > 0; n--)
                p[rng() % t.size] ^= static_cast<unsigned char>(1 + rng() % 255);
        }
    }
}

char text[256];

} // namespace

// The test keeps its own copy of the state after every step and checks that undo and redo,
// in any order, give those states back byte for byte; a change after an undo drops redo;
// a run of one widget's changes is one step.
TEST(UndoJournal, RandomSequencesGiveBackEveryState)
{
    for (unsigned seed = 1; seed <= 6; seed++) {
        std::mt19937 rng(seed);
        FreshJournal();
        std::vector<Snapshot> states = {TakeSnapshot()};
        size_t at = 0;   // index of the state now in effect
        const void *last_run = nullptr;
        static const int widgets[3] = {};
        for (int op = 0; op < 60; op++) {
            const unsigned choice = rng() % 10;
            if (choice < 5) {
                const void *run = rng() % 2 ? &widgets[rng() % 3] : nullptr;
                if (rng() % 8)
                    RandomEdit(rng);
                const bool joins = run && run == last_run && at + 1 == states.size() && at > 0;
                const bool changed = JournalRecord(run, nullptr);
                last_run = run;
                ASSERT_EQ(changed, !StateIs(states[at]));
                if (!changed)
                    continue;
                states.resize(at + 1);
                if (joins) {
                    states[at] = TakeSnapshot();
                    if (states[at] == states[at - 1]) {
                        states.pop_back();
                        at--;
                        last_run = nullptr;
                    }
                } else {
                    states.push_back(TakeSnapshot());
                    at++;
                }
            } else if (choice < 8) {
                last_run = nullptr;
                ASSERT_EQ(JournalUndo(text, sizeof text), at > 0);
                if (at > 0)
                    at--;
            } else {
                last_run = nullptr;
                ASSERT_EQ(JournalRedo(text, sizeof text), at + 1 < states.size());
                if (at + 1 < states.size())
                    at++;
            }
            ASSERT_TRUE(StateIs(states[at])) << "seed " << seed << " operation " << op;
            ASSERT_EQ(JournalUndoCount(), int(at));
            ASSERT_EQ(JournalRedoCount(), int(states.size() - 1 - at));
        }
        while (JournalUndo(text, sizeof text)) {}
        ASSERT_TRUE(StateIs(states[0]));
        while (JournalRedo(text, sizeof text)) {}
        ASSERT_TRUE(StateIs(states.back()));
    }
}

TEST(UndoJournal, RunsOfOneWidgetAreOneStep)
{
    FreshJournal();
    const int slider = 0, other = 0;
    const Snapshot before = TakeSnapshot();
    for (int v = 1; v <= 5; v++) {
        Pan[3] = float(v);
        JournalRecord(&slider, nullptr);
    }
    EXPECT_EQ(JournalUndoCount(), 1);
    // Something else between ends the run, even when it changed nothing.
    JournalRecord(&other, nullptr);
    Pan[3] = 9;
    JournalRecord(&slider, nullptr);
    EXPECT_EQ(JournalUndoCount(), 2);
    // A run that comes back to where it started leaves no step.
    Pan[3] = 5;
    JournalRecord(&slider, nullptr);
    EXPECT_EQ(JournalUndoCount(), 1);
    ASSERT_TRUE(JournalUndo(text, sizeof text));
    EXPECT_STREQ(text, "pan, channel 3");
    EXPECT_TRUE(StateIs(before));
    // Buttons and menu items (no run) never join.
    MuteArray[2] = 1;
    JournalRecord(nullptr, nullptr);
    MuteArray[2] = 0;
    JournalRecord(nullptr, nullptr);
    EXPECT_EQ(JournalUndoCount(), 2);
    EXPECT_EQ(JournalRedoCount(), 0);
}

TEST(UndoJournal, DescriptionsNameTheTableAndWhere)
{
    FreshJournal();
    struct Case {
        void (*edit)();
        const char *operation;
        const char *expected;
    } cases[] = {
        {[] { Volume[Cell(ChannelSlot(13), 4)] = -3; }, nullptr, "volume, index 5, channel 13"},
        {[] { Volume[Cell(ChannelSlot(13), 4)] = -4; Volume[Cell(ChannelSlot(14), 4)] = 1; }, nullptr,
         "volume, index 5"},
        {[] { Volume[Cell(ChannelSlot(12), 17)] = -2; ChanActive[Cell(ChannelSlot(12), 17)] = 1; }, nullptr,
         "volume, index 18, channel 12"},
        {[] { Pan[SubmixSlot(2)] = 20; }, nullptr, "pan, submix 2"},
        {[] { IndexSec[2] = 7; IndexMsec[2] = 9; }, nullptr, "time, index 3"},
        {[] { Pcomp[MasterSlot()][0] = 1; }, nullptr, "Peak Comp, master"},
        {[] { VcaAsn[RouteCell(9, 2)] = 1; }, nullptr, "VCA assignment, channel 9"},
        {[] { strcpy(NameBuffer[VcaSlot(4)], "Drums"); }, nullptr, "name, VCA 4"},
        {[] { PanlawStore = 4.5f; }, nullptr, "pan law"},
        {[] { Volume[7] = 2; Pan[1] = 3; strcpy(MixName, "x"); }, "Recall All", "Recall All"},
    };
    for (const Case &c : cases) {
        c.edit();
        ASSERT_TRUE(JournalRecord(nullptr, c.operation));
    }
    for (int i = int(sizeof cases / sizeof cases[0]) - 1; i >= 0; i--) {
        ASSERT_TRUE(JournalUndo(text, sizeof text));
        EXPECT_STREQ(text, cases[i].expected);
    }
    EXPECT_FALSE(JournalUndo(text, sizeof text));
    EXPECT_STREQ(text, "");
    ASSERT_TRUE(JournalRedo(text, sizeof text));
    EXPECT_STREQ(text, cases[0].expected);
}

// A change made outside any operation becomes a step of its own before an undo, so the
// undo never mixes it into the step before.
TEST(UndoJournal, UnreportedChangeIsItsOwnStep)
{
    FreshJournal();
    Ramp[Cell(1, 1)] = 2;
    JournalRecord(nullptr, nullptr);
    Ramp[Cell(1, 1)] = 3;
    ASSERT_TRUE(JournalUndo(text, sizeof text));
    EXPECT_EQ(Ramp[Cell(1, 1)], 2);
    ASSERT_TRUE(JournalUndo(text, sizeof text));
    EXPECT_EQ(Ramp[Cell(1, 1)], 0);
}

TEST(UndoJournal, BoundsDropTheOldestSteps)
{
    FreshJournal();
    // A small edit costs well under 1 KiB, and 10,000 of them are all kept.
    for (int i = 0; i < JOURNAL_STEPS + 50; i++) {
        Volume[Cell(1 + i % 100, i % 512)] += 1;
        ASSERT_TRUE(JournalRecord(nullptr, nullptr));
    }
    EXPECT_EQ(JournalUndoCount(), JOURNAL_STEPS);
    EXPECT_LT(JournalBytes(), size_t(JOURNAL_STEPS) * 1024 / 4);

    // Steps that change every table: the history stays within its memory and keeps the newest.
    FreshJournal();
    std::vector<Snapshot> states;
    for (int i = 0; i < 30; i++) {
        for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
            memset(JournalTables[t].address, i + 1, JournalTables[t].size);
        ASSERT_TRUE(JournalRecord(nullptr, "Recall All"));
        ASSERT_LE(JournalBytes(), size_t(JOURNAL_BYTES));
        states.push_back(TakeSnapshot());
    }
    const int kept = JournalUndoCount();
    EXPECT_GE(kept, 15);
    EXPECT_LT(kept, 30);
    for (int i = 0; i < kept; i++)
        ASSERT_TRUE(JournalUndo(text, sizeof text));
    EXPECT_FALSE(JournalUndo(text, sizeof text));
    EXPECT_TRUE(StateIs(states[size_t(30 - kept - 1)]));

    // Lowered bounds, as the tests use them.
    FreshJournal();
    JournalSetLimits(5, JOURNAL_BYTES);
    for (int i = 0; i < 8; i++) {
        Pan[1] = float(i + 1);
        JournalRecord(nullptr, nullptr);
    }
    EXPECT_EQ(JournalUndoCount(), 5);
    while (JournalUndo(text, sizeof text)) {}
    EXPECT_EQ(Pan[1], 3);
    JournalSetLimits(JOURNAL_STEPS, JOURNAL_BYTES);
    ClearInternalArrays();
}

// Every byte of the mix is journaled except the scratch and view scalars.
TEST(UndoJournal, TablesCoverTheMixOnce)
{
    size_t total = 0;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++) {
        for (int u = t + 1; u < JOURNAL_TABLE_COUNT; u++)
            EXPECT_NE(JournalTables[t].address, JournalTables[u].address);
        EXPECT_NE(JournalTables[t].address, static_cast<void *>(reserve_fbuff));
        EXPECT_NE(JournalTables[t].address, static_cast<void *>(&CNL));
        EXPECT_NE(JournalTables[t].address, static_cast<void *>(&BrowseNumber));
        total += JournalTables[t].size;
    }
    EXPECT_EQ(total, JournaledStateSize());
    EXPECT_GT(total, 5 * sizeof Volume);
}
