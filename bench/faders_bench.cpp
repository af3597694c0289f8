// Store and recall of faders.txt: the worked example and a mix at the size limit.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "files/faders_file.h"
#include "files/project_files.h"
#include "state/mix_state.h"

namespace {

// Runs the benchmark body in a temporary directory.
struct BenchDir {
    char dir[64] = "/tmp/veltrane-bench-XXXXXX";
    char home[PATH_MAX] = "";
    BenchDir()
    {
        if (!getcwd(home, sizeof home) || !mkdtemp(dir) || chdir(dir) != 0)
            abort();
    }
    ~BenchDir()
    {
        if (chdir(home) != 0)
            abort();
        std::string command = std::string("rm -rf ") + dir;
        if (system(command.c_str()) != 0)
            abort();
    }
};

void SmallMix()
{
    ClearInternalArrays();
    CopyText(MixName, NAME_SIZE, "demo");
    SubOn[0] = 1;
    SubAsn[RouteCell(1, 1)] = SubAsn[RouteCell(2, 1)] = 1;
    Pcomp[0][0] = 1;
    Pan[2] = -30;
    CopyText(CueNameBuffer[0], CUE_SIZE, "Intro");
    ChanActive[Cell(1, 0)] = 1;
    IndexActiveArray[1] = 1;
    ChanActive[Cell(1, 1)] = 1;
    MuteArray[SubmixSlot(1)] = 1;
}

// Every effect on, every slot active, as many indices as the file limit allows.
void LimitMix()
{
    ClearInternalArrays();
    for (int slot = 0; slot <= SubmixSlot(GROUP_COUNT); slot++)
        for (int fx = 0; fx < 12; fx++)
            Pcomp[slot][0] = Prms[slot][0] = Pband1[slot][0] = Pband2[slot][0] = 1;
    for (int index = 0; index < INDEX_COUNT; index++) {
        IndexActiveArray[index] = 1;
        IndexSec[index] = index * 0.5f;
        for (int slot = 0; slot < SLOT_COUNT; slot++) {
            ChanActive[Cell(slot, index)] = 1;
            Volume[Cell(slot, index)] = -(slot % 40) - 0.25f;
            Ramp[Cell(slot, index)] = slot % 3 ? 0.0f : 1.5f;
        }
    }
    for (int last = INDEX_COUNT - 1; last > 0 && !StageWriteToFile(); last--)
        IndexActiveArray[last] = 0;
}

void Store(benchmark::State &state, void (*mix)())
{
    BenchDir dir;
    mix();
    StageWriteToFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(StageWriteToFile());
    state.counters["bytes"] = (double)strlen(reserve_fbuff);
}

void Recall(benchmark::State &state, void (*mix)())
{
    BenchDir dir;
    mix();
    StageWriteToFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(RecallFaderFile());
    state.counters["bytes"] = (double)strlen(reserve_fbuff);
}

} // namespace

BENCHMARK_CAPTURE(Store, worked_example, SmallMix)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recall, worked_example, SmallMix)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Store, size_limit, LimitMix)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recall, size_limit, LimitMix)->Unit(benchmark::kMillisecond);
