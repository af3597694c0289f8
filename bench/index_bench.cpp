// Whole-index edits over the full tables: every call moves up to 144 x 511 cells of five tables.
#include <benchmark/benchmark.h>

#include "state/index_edit.h"
#include "state/mix_state.h"

static void InsertAtFirst() { InsertIndexAt(0); }
static void RemoveAtFirst() { RemoveIndexAt(0); }
static void PropagateInTheMiddle() { PropagateIndexAt(255); }

static void IndexEdit(benchmark::State &state, void (*edit)())
{
    ClearInternalArrays();
    for (auto _ : state) {
        edit();
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(IndexEdit, insert_at_first, InsertAtFirst)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IndexEdit, remove_at_first, RemoveAtFirst)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IndexEdit, propagate, PropagateInTheMiddle)->Unit(benchmark::kMicrosecond);
