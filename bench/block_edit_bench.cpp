// Edits of a whole selection: every cell of 512 active cue points x 13 strips, and a paste of a
// block of that size (its text read, then written into the mix). The level in force of the 13
// strips at every cue point is what the cue table computes again after each edit.
#include <benchmark/benchmark.h>

#include <cstring>

#include "files/cell_text.h"
#include "state/block_edit.h"
#include "state/level_in_force.h"
#include "state/mix_state.h"

namespace {

int row_index[SELECTION_ROWS];
int column_slot[13];
CellGrid grid = {row_index, INDEX_COUNT, column_slot, 13};
CellSelection everything;
BlockCell cells[MAX_BLOCK_CELLS];
char text[1 << 20];

// 512 active cue points half a second apart, every other strip cell automated.
int FullSelection()
{
    ClearInternalArrays();
    for (int i = 0; i < INDEX_COUNT; i++) {
        IndexActiveArray[i] = 1;
        IndexSec[i] = i * 0.5f;
        row_index[i] = i;
        for (int k = 0; k < 13; k++)
            if ((i + k) % 2)
                ChanActive[Cell(k, i)] = 1, Volume[Cell(k, i)] = -float(i % 40);
    }
    for (int k = 0; k < 13; k++)
        column_slot[k] = k;
    SelectRect(&everything, {0, 0, INDEX_COUNT - 1, 12}, false);
    return ListSelectedCells(&everything, &grid, cells);
}

void BM_BlockSet(benchmark::State &state)
{
    FullSelection();
    for (auto _ : state) {
        const int n = ListSelectedCells(&everything, &grid, cells);
        benchmark::DoNotOptimize(SetVolumes(cells, n, -6));
    }
}
BENCHMARK(BM_BlockSet)->Unit(benchmark::kMicrosecond);

void BM_BlockRelative(benchmark::State &state)
{
    FullSelection();
    double dB = 1;
    for (auto _ : state) {
        const int n = ListSelectedCells(&everything, &grid, cells);
        benchmark::DoNotOptimize(ShiftVolumes(cells, n, dB = -dB));
    }
}
BENCHMARK(BM_BlockRelative)->Unit(benchmark::kMicrosecond);

// Every first and last cell of a column unautomated: the levels in force are looked up.
void BM_BlockInterpolate(benchmark::State &state)
{
    FullSelection();
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < 13; k++)
            ChanActive[Cell(k, 0)] = ChanActive[Cell(k, INDEX_COUNT - 1)] = 0;
        state.ResumeTiming();
        const int n = ListSelectedCells(&everything, &grid, cells);
        benchmark::DoNotOptimize(Interpolate(cells, n));
    }
}
BENCHMARK(BM_BlockInterpolate)->Unit(benchmark::kMicrosecond);

void BM_BlockPaste(benchmark::State &state)
{
    FullSelection();
    const int length = ComposeCellText(&grid, {0, 0, INDEX_COUNT - 1, 12}, text, sizeof text);
    static CellBlock block;
    CellSelection none;
    ClearSelection(&none);
    char why[256];
    for (auto _ : state) {
        if (!ParseCellText(text, length, &block, why, sizeof why))
            state.SkipWithError(why);
        benchmark::DoNotOptimize(PasteCellBlock(&block, &grid, 0, 0, &none));
    }
    state.counters["text_bytes"] = length;
}
BENCHMARK(BM_BlockPaste)->Unit(benchmark::kMicrosecond);

void BM_LevelsInForceOfABank(benchmark::State &state)
{
    FullSelection();
    static float level[INDEX_COUNT];
    static bool has[INDEX_COUNT];
    int order[INDEX_COUNT];
    for (auto _ : state) {
        const int count = ActiveCuesInTime(order);
        for (int k = 0; k < 13; k++)
            LevelsInForce(k, order, count, level, has);
        benchmark::DoNotOptimize(level);
    }
}
BENCHMARK(BM_LevelsInForceOfABank)->Unit(benchmark::kMicrosecond);

} // namespace
