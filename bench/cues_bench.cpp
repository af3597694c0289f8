// The cue window after one edit, with all 512 cue points active: the refresh of the table and
// the plot alone, and with the window drawn and the X server done drawing it (run it under
// Xvfb). The X server's own CPU time per edit is the counter "server_us"; CPU + server_us is
// the whole work of one edit.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>

#include <pthread.h>
#include <sys/socket.h>
#include <time.h>

#include "app/control.h"
#include "cues/cue_block.h"
#include "cues/cues.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "state/callback.h"
#include "state/mix_state.h"

namespace {

// 512 active cue points, ten strips automated at each, the window shown at cue point 256.
void FullMix()
{
    static bool started = false;
    if (!started) {
        started = true;
        StartUp();
    }
    for (int i = 0; i < INDEX_COUNT; i++) {
        IndexActiveArray[i] = 1;
        IndexSec[i] = i * 0.5f;
        snprintf(CueNameBuffer[i], CUE_SIZE, "Cue %d", i + 1);
        for (int slot = 0; slot <= 9; slot++) {
            ChanActive[Cell(slot, i)] = 1;
            Volume[Cell(slot, i)] = -(i % 40) * 0.5f;
        }
    }
    TimeIndex->value(256);
    TimeIndex->do_callback();
    ShowCues();
    for (int k = 0; k < 50; k++)
        Fl::check();
}

// One volume edit in the faders window: its callback ends at the point the cue window follows.
void EditOneVolume(int n)
{
    vol1->value(-(n % 100) * 0.1);
    vol1->do_callback();
}

void BM_CuesRefreshAfterEdit(benchmark::State &state)
{
    FullMix();
    int n = 0;
    for (auto _ : state)
        EditOneVolume(n++);
}
BENCHMARK(BM_CuesRefreshAfterEdit)->Unit(benchmark::kMicrosecond);

// CPU time of the X server at the other end of the display connection, in microseconds, or -1.
double ServerCpuMicroseconds()
{
    struct ucred peer;
    socklen_t size = sizeof peer;
    clockid_t clock;
    struct timespec t;
    if (getsockopt(ConnectionNumber(fl_display), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        clock_getcpuclockid(peer.pid, &clock) != 0 || clock_gettime(clock, &t) != 0)
        return -1;
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

void DrawAfterEdit(benchmark::State &state, void (*edit)(int))
{
    FullMix();
    int n = 0;
    const double server_start = ServerCpuMicroseconds();
    for (auto _ : state) {
        edit(n++);
        Fl::flush();
        XSync(fl_display, False);
    }
    if (server_start >= 0)
        state.counters["server_us"] = benchmark::Counter((ServerCpuMicroseconds() - server_start) / state.iterations());
}

void BM_CuesRefreshAndDrawAfterEdit(benchmark::State &state) { DrawAfterEdit(state, EditOneVolume); }
BENCHMARK(BM_CuesRefreshAndDrawAfterEdit)->Unit(benchmark::kMicrosecond);

// The floor: a flush and a round trip to the server with nothing to draw.
void BM_CuesFlushWithoutEdit(benchmark::State &state) { DrawAfterEdit(state, [](int) {}); }
BENCHMARK(BM_CuesFlushWithoutEdit)->Unit(benchmark::kMicrosecond);

// A volume of a strip that is neither in the bank's columns nor plotted: nothing to draw.
void EditHiddenStrip(int n)
{
    Bank->value(1);
    ChanActive[Cell(ChannelSlot(50), 255)] = 1;
    vol1->value(vol1->value());
    Volume[Cell(ChannelSlot(50), 255)] = -(n % 100) * 0.1f;
    vol1->do_callback();
}
void BM_CuesRefreshAndDrawAfterHiddenEdit(benchmark::State &state) { DrawAfterEdit(state, EditHiddenStrip); }
BENCHMARK(BM_CuesRefreshAndDrawAfterHiddenEdit)->Unit(benchmark::kMicrosecond);

// Edits of every shown cell (512 cue points x 13 strips), the refresh of the table, the plot
// and the faders window and the drawing included.
void EditEverything(benchmark::State &state, void (*edit)(int))
{
    FullMix();
    SelectAllCues();
    DrawAfterEdit(state, edit);
}

// Each edit ends as the key that runs it does: the undo step is recorded and the windows refresh.
void SetAll(int n)
{
    TypeOverCueSelection(n % 2 ? "-6" : "-7.5");
    EndOperation(nullptr);
}
void RaiseAll(int n)
{
    TypeOverCueSelection(n % 2 ? "+=0.5" : "-=0.5");
    EndOperation(nullptr);
}
void InterpolateAll(int n)
{
    // Ends not automated: the levels in force are looked up.
    for (int k = 0; k <= 9; k++)
        ChanActive[Cell(k, 0)] = ChanActive[Cell(k, INDEX_COUNT - 1)] = n % 2;
    InterpolateCueSelection();
    EndOperation(nullptr);
}
void PasteAll(int n)
{
    static char text[1 << 18];
    static int length;
    if (!length) {
        for (int i = 0; i < INDEX_COUNT; i++)
            for (int k = 0; k < 13; k++)
                length += snprintf(text + length, sizeof text - length, "%.2f%c", -(i % 30) * 0.5, k == 12 ? '\n' : '\t');
    }
    text[0] = n % 2 ? '-' : '0';   // a different block each time
    ClearCueSelection();
    PasteCueText(text, length);
    EndOperation(nullptr);
}

void BM_CuesSetEveryCell(benchmark::State &state) { EditEverything(state, SetAll); }
BENCHMARK(BM_CuesSetEveryCell)->Unit(benchmark::kMicrosecond);
void BM_CuesRelativeEveryCell(benchmark::State &state) { EditEverything(state, RaiseAll); }
BENCHMARK(BM_CuesRelativeEveryCell)->Unit(benchmark::kMicrosecond);
void BM_CuesInterpolateEveryCell(benchmark::State &state) { EditEverything(state, InterpolateAll); }
BENCHMARK(BM_CuesInterpolateEveryCell)->Unit(benchmark::kMicrosecond);
void BM_CuesPasteEveryCell(benchmark::State &state) { EditEverything(state, PasteAll); }
BENCHMARK(BM_CuesPasteEveryCell)->Unit(benchmark::kMicrosecond);

// One volume edit with the dim levels shown: channel 11 (strip 1 of bank 2) automated only at the
// first cue point, so every other row carries the level that the edit changes.
void BM_CuesLevelsInForceAfterEdit(benchmark::State &state)
{
    FullMix();
    ChanActive[Cell(ChannelSlot(11), 0)] = 1;
    TimeIndex->value(1);
    TimeIndex->do_callback();
    Bank->value(2);
    Bank->do_callback();
    DrawAfterEdit(state, EditOneVolume);
}
BENCHMARK(BM_CuesLevelsInForceAfterEdit)->Unit(benchmark::kMicrosecond);

// The operations on whole cue points, with all 512 active, at cue point 256: every iteration
// is one operation (undo step and refresh included), removing and inserting by turns so that
// an insert always finds cue point 512 free.
// As its key or menu item runs it: the operation, then the end point.
template <void (*Operation)()>
void Run() { Callback<Operation>(CueMenu, nullptr); }
void RemoveOrInsert(int n)
{
    n % 2 ? Run<InsertCuePoint>() : Run<RemoveCuePoint>();
}
void RemoveOrCopy(int n)
{
    n % 2 ? Run<InsertCuePointCopy>() : Run<RemoveCuePoint>();
}
// One cue point moved before all the others, then the sort puts it back.
void SortOneMoved(int n)
{
    const int index = (n * 37) % INDEX_COUNT;
    IndexSec[index] = -1.0f;
    Run<SortCuePoints>();
    for (int i = 0; i < INDEX_COUNT; i++)
        IndexSec[i] = i * 0.5f;
}
void BM_CueListRemoveOrInsert(benchmark::State &state) { DrawAfterEdit(state, RemoveOrInsert); }
BENCHMARK(BM_CueListRemoveOrInsert)->Unit(benchmark::kMicrosecond);
void BM_CueListRemoveOrCopy(benchmark::State &state) { DrawAfterEdit(state, RemoveOrCopy); }
BENCHMARK(BM_CueListRemoveOrCopy)->Unit(benchmark::kMicrosecond);
void BM_CueListSort(benchmark::State &state) { DrawAfterEdit(state, SortOneMoved); }
BENCHMARK(BM_CueListSort)->Unit(benchmark::kMicrosecond);

} // namespace
