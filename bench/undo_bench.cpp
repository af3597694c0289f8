// The undo journal at the full state size: finding and recording the step of one small
// edit, and undoing and redoing a step that changed every table (a Recall All).
#include <benchmark/benchmark.h>

#include <cstring>

#include "state/mix_state.h"
#include "state/undo_journal.h"

// One volume cell changed, then the compare with the shadow and the step kept.
static void RecordSmallEdit(benchmark::State &state)
{
    ClearInternalArrays();
    JournalStart();
    float v = 0;
    for (auto _ : state) {
        Volume[Cell(13, 4)] = (v += 0.5f);
        benchmark::DoNotOptimize(JournalRecord(nullptr, nullptr));
    }
    state.counters["history bytes per step"] = double(JournalBytes()) / JournalUndoCount();
}

// An operation that changed nothing (showing a window): the compare alone.
static void RecordNothing(benchmark::State &state)
{
    ClearInternalArrays();
    JournalStart();
    for (auto _ : state)
        benchmark::DoNotOptimize(JournalRecord(nullptr, nullptr));
}

// Every byte of every table changed, as after a Recall All of another mix.
static void ChangeEverything(unsigned char fill)
{
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        memset(JournalTables[t].address, fill, JournalTables[t].size);
}

static void UndoRedoRecallAll(benchmark::State &state)
{
    ClearInternalArrays();
    JournalStart();
    ChangeEverything(7);
    JournalRecord(nullptr, "Recall All");
    char text[64];
    for (auto _ : state) {
        JournalUndo(text, sizeof text);
        JournalRedo(text, sizeof text);
        benchmark::ClobberMemory();
    }
    state.counters["state bytes"] = double(JournaledStateSize());
    state.counters["step bytes"] = double(JournalBytes());
}

static void RecordRecallAll(benchmark::State &state)
{
    ClearInternalArrays();
    JournalStart();
    unsigned char fill = 1;
    for (auto _ : state) {
        ChangeEverything(fill++);
        JournalRecord(nullptr, "Recall All");
    }
}

BENCHMARK(RecordSmallEdit)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoRedoRecallAll)->Unit(benchmark::kMillisecond);
BENCHMARK(RecordRecallAll)->Unit(benchmark::kMillisecond);
