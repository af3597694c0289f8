// Undo and redo. The input is a sequence of operations of three bytes each: edits of the
// tables as the windows make them (runs of one widget included), whole-index edits, undos
// and redos. After each one the state must keep its tables' rules, and after an undo or
// redo (the first few) and at the end it must equal a replay, from the start-up state, of the edits that
// are in effect.
#include <cstdint>
#include <cstring>
#include <vector>

#include "state/index_edit.h"
#include "state/mix_state.h"
#include "state/undo_journal.h"
#include "../core/journaled_state.h"
#include "fuzz_support.h"

namespace {

struct Edit {
    uint8_t kind, a, b;
};

typedef std::vector<Edit> Step;

void Apply(const Edit &e)
{
    const int slot = e.a % SLOT_COUNT, index = (e.a * 2 + e.b) % INDEX_COUNT;
    switch (e.kind % 8) {
    case 0: Volume[Cell(slot, index)] = float(e.b) * 0.5f - 120; break;
    case 1: ChanActive[Cell(slot, index)] ^= 1; break;
    case 2: Pan[slot] = float(e.b % 201) - 100; break;
    case 3: memset(NameBuffer[slot], 'a' + e.b % 26, e.b % NAME_SIZE); NameBuffer[slot][e.b % NAME_SIZE] = 0; break;
    case 4: IndexActiveArray[index] ^= 1; break;
    case 5: InsertIndexAt(index); break;
    case 6: RemoveIndexAt(index); break;
    default: PropagateIndexAt(index); break;
    }
}


void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Replays the steps in effect from the start-up state and compares; then puts the state back.
void RequireReplay(const std::vector<Step> &done)
{
    const std::string now = JournaledState();
    ResetState();
    for (const Step &step : done)
        for (const Edit &e : step)
            Apply(e);
    Require(JournaledState() == now);
    RestoreJournaledState(now);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ResetState();
    JournalStart();
    std::vector<Step> done, undone;
    static const int widgets[4] = {};
    char text[256];
    int replays = 0;   // a replay costs a full state copy: the first few moves and the end
    for (size_t i = 0; i + 3 <= size && i < 3 * 64; i += 3) {
        const uint8_t op = data[i];
        if (op >= 0xF0) {
            const bool undo = op < 0xF8;
            const bool moved = undo ? JournalUndo(text, sizeof text) : JournalRedo(text, sizeof text);
            std::vector<Step> &from = undo ? done : undone, &to = undo ? undone : done;
            Require(moved == !from.empty());
            if (moved) {
                to.push_back(from.back());
                from.pop_back();
            }
            if (replays++ < 6)
                RequireReplay(done);
        } else {
            const Edit e = {op, data[i + 1], data[i + 2]};
            // The top bits choose the widget whose run the edit belongs to, or none.
            const void *run = (op >> 5) & 4 ? &widgets[(op >> 5) & 3] : nullptr;
            const int before = JournalUndoCount();
            Apply(e);
            if (JournalRecord(run, nullptr)) {
                undone.clear();
                if (JournalUndoCount() > before)
                    done.push_back(Step{e});
                else if (JournalUndoCount() == before)
                    done.back().push_back(e);   // joined the run's step
                else
                    done.pop_back();            // the run came back to where it started
            }
        }
        Require(JournalUndoCount() == int(done.size()));
        Require(JournalRedoCount() == int(undone.size()));
        CheckState();
    }
    RequireReplay(done);
    return 0;
}
