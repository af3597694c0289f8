// Every operation builds a map of where each new index comes from and hands it to
// RebuildCuePoints, the one place that moves the tables of a cue point.
#include "state/cue_list.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "state/cue_points.h"

namespace {

const int EMPTY = -1;   // a source that stands for an empty cue point
const int LAST = INDEX_COUNT - 1;
const double SECONDS_AFTER_LAST = 5.0;

// The values of an empty cue point, per slot.
const float NEW_VOLUME = 0.0f, NEW_OFFSET = 0.0f, NEW_RAMP = 0.0f, NEW_SHAPE = 1.0f;
const int NEW_AUTO = 0;

template <typename T>
void Gather(T *row, const int (&source)[INDEX_COUNT], T empty)
{
    T old[INDEX_COUNT];
    memcpy(old, row, sizeof old);
    for (int i = 0; i < INDEX_COUNT; i++)
        row[i] = source[i] == EMPTY ? empty : old[source[i]];
}

template <typename T>
void GatherPerSlot(T *table, const int (&source)[INDEX_COUNT], T empty)
{
    for (int s = 0; s < SLOT_COUNT; s++)
        Gather(table + Cell(s, 0), source, empty);
}

// Index i takes what index source[i] held (EMPTY: an empty cue point), in every table of a
// cue point at once.
void RebuildCuePoints(const int (&source)[INDEX_COUNT], int *moved_to)
{
    GatherPerSlot(Volume, source, NEW_VOLUME);
    GatherPerSlot(Offset, source, NEW_OFFSET);
    GatherPerSlot(Ramp, source, NEW_RAMP);
    GatherPerSlot(Shape, source, NEW_SHAPE);
    GatherPerSlot(ChanActive, source, NEW_AUTO);
    Gather(IndexActiveArray, source, 0);
    Gather(IndexMin, source, 0.0f);
    Gather(IndexSec, source, 0.0f);
    Gather(IndexMsec, source, 0.0f);
    char names[INDEX_COUNT][CUE_SIZE];
    memcpy(names, CueNameBuffer, sizeof names);
    static const char no_name[CUE_SIZE] = "";   // a whole name's bytes: the copy reads CUE_SIZE
    for (int i = 0; i < INDEX_COUNT; i++)
        memcpy(CueNameBuffer[i], source[i] == EMPTY ? no_name : names[source[i]], CUE_SIZE);
    if (!moved_to)
        return;
    std::fill(moved_to, moved_to + INDEX_COUNT, EMPTY);
    for (int i = 0; i < INDEX_COUNT; i++)
        if (source[i] != EMPTY && moved_to[source[i]] == EMPTY)
            moved_to[source[i]] = i;
}

// Sets a time given in seconds, to the millisecond, as whole minutes, seconds and milliseconds.
void SetCueSeconds(int index, double seconds)
{
    const long long ms = std::llround(seconds * 1000.0);
    IndexMin[index] = float(ms / 60000);
    IndexSec[index] = float(ms % 60000 / 1000);
    IndexMsec[index] = float(ms % 1000);
}

// Halfway to the earliest active cue point later in time than `index`.
double TimeAfter(int index)
{
    const double t = CueSeconds(index);
    bool found = false;
    double next = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        if (i != index && IsActiveCue(i) && CueSeconds(i) > t && (!found || CueSeconds(i) < next)) {
            next = CueSeconds(i);
            found = true;
        }
    return found ? (t + next) / 2 : t + SECONDS_AFTER_LAST;
}

} // namespace

int InsertCuePointAfter(int index, bool copy, int moved_to[INDEX_COUNT])
{
    if (!IsIndex(index) || index == LAST || IsActiveCue(LAST))
        return -1;
    const double time = TimeAfter(index);
    const int added = index + 1;
    int source[INDEX_COUNT];
    for (int i = 0; i < INDEX_COUNT; i++)
        source[i] = i <= index ? i : i - 1;
    source[added] = copy ? index : EMPTY;
    RebuildCuePoints(source, moved_to);
    IndexActiveArray[added] = 1;
    CueNameBuffer[added][0] = 0;
    SetCueSeconds(added, time);
    return added;
}

int RemoveCuePoints(const bool removed[INDEX_COUNT], int moved_to[INDEX_COUNT])
{
    int source[INDEX_COUNT], kept = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        if (!removed[i])
            source[kept++] = i;
    std::fill(source + kept, source + INDEX_COUNT, EMPTY);
    if (kept < INDEX_COUNT)
        RebuildCuePoints(source, moved_to);
    else if (moved_to)
        for (int i = 0; i < INDEX_COUNT; i++)
            moved_to[i] = i;
    return INDEX_COUNT - kept;
}

bool SortCuePointsByTime(int moved_to[INDEX_COUNT])
{
    int places[INDEX_COUNT], count = 0;   // the indices that active cue points hold
    for (int i = 0; i < INDEX_COUNT; i++)
        if (IsActiveCue(i))
            places[count++] = i;
    int order[INDEX_COUNT];
    std::copy(places, places + count, order);
    std::stable_sort(order, order + count, [](int a, int b) { return CueSeconds(a) < CueSeconds(b); });
    if (std::equal(order, order + count, places)) {
        if (moved_to)
            for (int i = 0; i < INDEX_COUNT; i++)
                moved_to[i] = i;
        return false;
    }
    int source[INDEX_COUNT];
    for (int i = 0; i < INDEX_COUNT; i++)
        source[i] = i;
    for (int k = 0; k < count; k++)
        source[places[k]] = order[k];
    RebuildCuePoints(source, moved_to);
    return true;
}
