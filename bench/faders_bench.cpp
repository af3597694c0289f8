// Store and recall of faders.txt: the worked example and a mix at the size limit.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

int StoreFaders() { return StageWriteToFile(); }

// Stores the mix once, then times `operation` (a store or a recall) on the stored file.
void Run(benchmark::State &state, void (*mix)(), int (*operation)())
{
    BenchDir dir;
    mix();
    StageWriteToFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(operation());
    state.counters["bytes"] = (double)strlen(reserve_fbuff);
}

// The floor a store and a recall are measured against: the same bytes merely read, or read
// and written to another file (like cat), with or without the fsync a store does.
long ReadBytes(const char *name, char *buffer, long size)
{
    int in = open(name, O_RDONLY);
    long got = read(in, buffer, size);
    close(in);
    return got;
}

void Copy(benchmark::State &state, bool sync)
{
    BenchDir dir;
    LimitMix();
    static char bytes[FADER_TEXT_SIZE];
    for (auto _ : state) {
        long got = ReadBytes("faders.txt", bytes, sizeof bytes);
        int out = open("copy.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(write(out, bytes, got));
        if (sync)
            fsync(out);
        close(out);
    }
}

void ReadOnly(benchmark::State &state)
{
    BenchDir dir;
    LimitMix();
    static char bytes[FADER_TEXT_SIZE];
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadBytes("faders.txt", bytes, sizeof bytes));
}

} // namespace

BENCHMARK_CAPTURE(Run, Store/worked_example, SmallMix, StoreFaders)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, Recall/worked_example, SmallMix, RecallFaderFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, Store/size_limit, LimitMix, StoreFaders)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, Recall/size_limit, LimitMix, RecallFaderFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Copy, size_limit_cat, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Copy, size_limit_cat_fsync, true)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadOnly)->Name("Read/size_limit_bytes_only")->Unit(benchmark::kMillisecond);
