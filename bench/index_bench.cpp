// Whole-index edits over the full tables: every call moves up to 144 x 511 cells of five tables.
#include <benchmark/benchmark.h>

#include "state/index_edit.h"
#include "state/mix_state.h"

static void BM_InsertIndexAtFirst(benchmark::State &state)
{
    ClearInternalArrays();
    for (auto _ : state) {
        InsertIndexAt(0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InsertIndexAtFirst)->Unit(benchmark::kMicrosecond);

static void BM_RemoveIndexAtFirst(benchmark::State &state)
{
    ClearInternalArrays();
    for (auto _ : state) {
        RemoveIndexAt(0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RemoveIndexAtFirst)->Unit(benchmark::kMicrosecond);

static void BM_PropagateIndex(benchmark::State &state)
{
    ClearInternalArrays();
    for (auto _ : state) {
        PropagateIndexAt(255);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PropagateIndex)->Unit(benchmark::kMicrosecond);
