#include "state/undo_journal.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <vector>

#include "state/mix_state.h"

namespace {

typedef unsigned char Byte;

// One changed range of one table. Its old bytes, then its new bytes, lie in the step's
// byte store at `at`.
struct Change {
    int table;
    size_t offset, length, at;
};

struct Step {
    std::vector<Change> changes;
    std::vector<Byte> bytes;
    char operation[40];
};

// Two changed ranges closer than this are kept as one: fewer ranges for the same bytes.
const size_t JOIN_GAP = 16;
const size_t BLOCK = 64;

std::vector<Byte> shadow;            // the state as the history last saw it
std::vector<size_t> table_start;     // where each table lies in the shadow
std::deque<Step> history;
size_t applied;                      // steps of the history now in effect; later ones are redo
size_t held_bytes;
size_t step_limit = JOURNAL_STEPS;
size_t byte_limit = JOURNAL_BYTES;
const void *open_run;                // the run whose step is the newest and may still grow
std::vector<bool> changed_now;       // per table: changed in the last record
char next_step_name[sizeof(Step::operation)];
const void *next_step_run;           // the run the named step belongs to, or nullptr

Byte *Live(int table) { return static_cast<Byte *>(JournalTables[table].address); }
Byte *Shadowed(int table) { return shadow.data() + table_start[size_t(table)]; }

size_t Cost(const Step &step)
{
    return sizeof(Step) + step.changes.capacity() * sizeof(Change) + step.bytes.capacity();
}

void EnsureShadow()
{
    if (!shadow.empty())
        return;
    size_t at = 0;
    table_start.resize(size_t(JOURNAL_TABLE_COUNT));
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++) {
        table_start[size_t(t)] = at;
        at += JournalTables[t].size;
    }
    shadow.resize(at);
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        memcpy(Shadowed(t), Live(t), JournalTables[t].size);
}

// Appends the ranges where `now` differs from `was` (both of `size` bytes) to `out`.
void FindChanges(int table, const Byte *now, const Byte *was, size_t size, std::vector<Change> &out)
{
    size_t i = 0;
    while (i < size) {
        if (i + BLOCK <= size && memcmp(now + i, was + i, BLOCK) == 0) {
            i += BLOCK;
            continue;
        }
        if (now[i] == was[i]) {
            i++;
            continue;
        }
        size_t start = i, last = i;
        for (i++; i < size && i - last <= JOIN_GAP; i++)
            if (now[i] != was[i])
                last = i;
        out.push_back({table, start, last + 1 - start, 0});
        i = last + 1;
    }
}

// Old bytes come from `old_bytes` (the shadow, or what an earlier step kept), new bytes from
// the live state.
void AppendChange(Step &step, const Change &c, const Byte *old_bytes)
{
    Change kept = c;
    kept.at = step.bytes.size();
    step.bytes.insert(step.bytes.end(), old_bytes, old_bytes + c.length);
    const Byte *now = Live(c.table) + c.offset;
    step.bytes.insert(step.bytes.end(), now, now + c.length);
    step.changes.push_back(kept);
}

// The newest step grows by `found`: its ranges and the new ones become one set of ranges
// whose old bytes are what the state held before the step, and new bytes what it holds now.
void JoinNewest(Step &step, std::vector<Change> &found)
{
    std::vector<Change> all = step.changes;
    all.insert(all.end(), found.begin(), found.end());
    std::sort(all.begin(), all.end(), [](const Change &a, const Change &b) {
        return a.table != b.table ? a.table < b.table : a.offset < b.offset;
    });
    std::vector<Change> merged;
    for (const Change &c : all) {
        if (!merged.empty() && merged.back().table == c.table &&
            c.offset <= merged.back().offset + merged.back().length) {
            Change &m = merged.back();
            m.length = std::max(m.offset + m.length, c.offset + c.length) - m.offset;
        } else {
            merged.push_back({c.table, c.offset, c.length, 0});
        }
    }
    Step joined;
    memcpy(joined.operation, step.operation, sizeof joined.operation);
    std::vector<Byte> old_bytes;
    for (const Change &m : merged) {
        // Before the step: the shadow, except where the step itself changed bytes.
        const Byte *was = Shadowed(m.table) + m.offset;
        old_bytes.assign(was, was + m.length);
        for (const Change &c : step.changes)
            if (c.table == m.table && c.offset >= m.offset && c.offset + c.length <= m.offset + m.length)
                memcpy(old_bytes.data() + (c.offset - m.offset), step.bytes.data() + c.at, c.length);
        AppendChange(joined, m, old_bytes.data());
    }
    step = std::move(joined);
}

bool ChangesNothing(const Step &step)
{
    for (const Change &c : step.changes)
        if (memcmp(step.bytes.data() + c.at, step.bytes.data() + c.at + c.length, c.length) != 0)
            return false;
    return true;
}

void DropOldest()
{
    held_bytes -= Cost(history.front());
    history.pop_front();
    applied--;
}

// Drops the oldest steps while the history is over its bounds; the newest is always kept.
void Trim()
{
    while (applied > 1 && (history.size() > step_limit || held_bytes > byte_limit))
        DropOldest();
}

void DropRedo()
{
    while (history.size() > applied) {
        held_bytes -= Cost(history.back());
        history.pop_back();
    }
}

void Keep(Step &&step)
{
    step.changes.shrink_to_fit();
    step.bytes.shrink_to_fit();
    held_bytes += Cost(step);
    history.push_back(std::move(step));
    applied++;
    Trim();
}

// Writes a step's old (undo) or new (redo) bytes into the state and the shadow.
void Apply(const Step &step, bool undo)
{
    for (const Change &c : step.changes) {
        const Byte *bytes = step.bytes.data() + c.at + (undo ? 0 : c.length);
        memcpy(Live(c.table) + c.offset, bytes, c.length);
        memcpy(Shadowed(c.table) + c.offset, bytes, c.length);
    }
}

// ---- descriptions ----

void SlotName(int slot, char *out, int size)
{
    SlotText(slot, SlotWords, out, size);
}

size_t ElementSize(const JournalTable &t)
{
    switch (t.shape) {
    case PER_SLOT_AND_INDEX: return t.size / (SLOT_COUNT * INDEX_COUNT);
    case PER_INDEX: return t.size / INDEX_COUNT;
    case PER_SLOT:
    case EFFECT_ROWS: return t.size / SLOT_COUNT;
    case ROUTING: return t.size / ROUTING_ROWS;
    default: return t.size;
    }
}

// What all changed elements of a step share: one slot, one index, or neither (-1).
struct Place {
    int slot = -2, index = -2;
    void Add(int &have, int value) { have = have == -2 || have == value ? value : -1; }
};

void LocateElement(const JournalTable &t, size_t element, Place &place)
{
    switch (t.shape) {
    case PER_SLOT_AND_INDEX:
        place.Add(place.slot, int(element / INDEX_COUNT));
        place.Add(place.index, int(element % INDEX_COUNT));
        break;
    case PER_INDEX: place.Add(place.index, int(element)); break;
    case PER_SLOT:
    case EFFECT_ROWS: place.Add(place.slot, int(element)); break;
    case ROUTING: place.Add(place.slot, ChannelSlot(int(element) + 1)); break;
    default: break;
    }
}

void Describe(const Step &step, char *out, int size)
{
    if (size <= 0)
        return;
    if (step.operation[0]) {
        snprintf(out, size_t(size), "%s", step.operation);
        return;
    }
    const JournalTable *first = nullptr;
    Place place;
    for (const Change &c : step.changes) {
        const JournalTable &t = JournalTables[c.table];
        // Several tables: the first names the step. Parts of one setting, or tables laid out
        // alike (a volume and its "auto" switch), still say where, when they changed in one place.
        if (!first)
            first = &t;
        else if (t.shape != first->shape && strcmp(JournalTableName(t), JournalTableName(*first)) != 0)
            place.slot = place.index = -1;
        const size_t element = ElementSize(t);
        const Byte *was = step.bytes.data() + c.at, *now = was + c.length;
        for (size_t e = c.offset / element; e * element < c.offset + c.length; e++) {
            const size_t from = std::max(e * element, c.offset);
            const size_t to = std::min((e + 1) * element, c.offset + c.length);
            if (memcmp(was + (from - c.offset), now + (from - c.offset), to - from) != 0)
                LocateElement(t, e, place);
        }
    }
    int n = snprintf(out, size_t(size), "%s", first ? JournalTableName(*first) : "");
    if (place.index >= 0 && n < size)
        n += snprintf(out + n, size_t(size - n), ", index %d", place.index + 1);
    if (place.slot >= 0 && n < size) {
        char slot[32];
        SlotName(place.slot, slot, sizeof slot);
        snprintf(out + n, size_t(size - n), ", %s", slot);
    }
}

bool Move(bool undo, char *description, int size)
{
    if (size > 0)
        description[0] = 0;
    JournalRecord(nullptr, nullptr);   // a change no operation reported is a step of its own
    open_run = nullptr;
    if (undo ? applied == 0 : applied == history.size())
        return false;
    const Step &step = history[undo ? applied - 1 : applied];
    Apply(step, undo);
    applied += undo ? -1 : 1;
    Describe(step, description, size);
    return true;
}

} // namespace

void JournalStart()
{
    shadow.clear();
    EnsureShadow();
    history.clear();
    applied = 0;
    held_bytes = 0;
    open_run = nullptr;
}

void JournalNameNextStep(const char *operation)
{
    JournalNameNextRun(nullptr, operation);
}

void JournalNameNextRun(const void *run, const char *operation)
{
    snprintf(next_step_name, sizeof next_step_name, "%s", operation);
    next_step_run = run;
}

bool JournalRecord(const void *run, const char *operation)
{
    char named[sizeof next_step_name];
    memcpy(named, next_step_name, sizeof named);
    next_step_name[0] = 0;
    if (named[0]) {
        operation = named;
        run = next_step_run;
    }
    next_step_run = nullptr;
    EnsureShadow();
    std::vector<Change> found;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        if (memcmp(Live(t), Shadowed(t), JournalTables[t].size) != 0)
            FindChanges(t, Live(t), Shadowed(t), JournalTables[t].size, found);

    changed_now.assign(size_t(JOURNAL_TABLE_COUNT), false);
    for (const Change &c : found)
        changed_now[size_t(c.table)] = true;

    const bool joins = JournalRunOpen(run);
    open_run = run;
    if (found.empty())
        return false;

    DropRedo();
    if (joins) {
        Step &newest = history.back();
        held_bytes -= Cost(newest);
        JoinNewest(newest, found);
        if (operation && operation[0])
            snprintf(newest.operation, sizeof newest.operation, "%s", operation);
        for (const Change &c : found)
            memcpy(Shadowed(c.table) + c.offset, Live(c.table) + c.offset, c.length);
        if (ChangesNothing(newest)) {
            // The run came back to where it started: nothing is left to undo.
            history.pop_back();
            applied--;
            open_run = nullptr;
        } else {
            newest.changes.shrink_to_fit();
            newest.bytes.shrink_to_fit();
            held_bytes += Cost(newest);
            Trim();
        }
        return true;
    }

    Step step;
    snprintf(step.operation, sizeof step.operation, "%s", operation ? operation : "");
    for (const Change &c : found) {
        AppendChange(step, c, Shadowed(c.table) + c.offset);
        memcpy(Shadowed(c.table) + c.offset, Live(c.table) + c.offset, c.length);
    }
    Keep(std::move(step));
    return true;
}

bool JournalRunOpen(const void *run)
{
    return run && run == open_run && applied == history.size() && applied > 0;
}

bool JournalRecordChanged(const void *address)
{
    for (int t = 0; t < JOURNAL_TABLE_COUNT && size_t(t) < changed_now.size(); t++)
        if (JournalTables[t].address == address)
            return changed_now[size_t(t)];
    return false;
}

std::string TakeJournaledState()
{
    std::string bytes;
    bytes.reserve(JournaledStateSize());
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++)
        bytes.append(static_cast<const char *>(JournalTables[t].address), JournalTables[t].size);
    return bytes;
}

void PutJournaledState(const std::string &bytes)
{
    if (bytes.size() != JournaledStateSize())
        return;
    size_t at = 0;
    for (int t = 0; t < JOURNAL_TABLE_COUNT; t++) {
        memcpy(JournalTables[t].address, bytes.data() + at, JournalTables[t].size);
        at += JournalTables[t].size;
    }
}

bool JournalUndo(char *description, int size) { return Move(true, description, size); }
bool JournalRedo(char *description, int size) { return Move(false, description, size); }

int JournalUndoCount() { return int(applied); }
int JournalRedoCount() { return int(history.size() - applied); }
size_t JournalBytes() { return held_bytes; }

void JournalSetLimits(size_t steps, size_t bytes)
{
    step_limit = steps < 1 ? 1 : steps;
    byte_limit = bytes;
    Trim();
}
