// The facts the cue overview shows, computed from the mix state when they are drawn.
#include "cues/cue_view.h"

#include <cstdio>

#include "state/bank.h"
#include "state/position.h"

bool IsOutOfOrder(int index)
{
    if (!IsActiveCue(index))
        return false;
    const int above = PreviousActiveCue(index);
    return above >= 0 && CueSeconds(index) < CueSeconds(above);
}

int AutomatedStrips(int index)
{
    int count = 0;
    for (int slot = 0; slot < SLOT_COUNT; slot++)
        count += IsAutomated(slot, index);
    return count;
}

int StripColumnCount()
{
    int count = 0;
    for (int strip = 1; strip <= STRIP_COUNT; strip++)
        count += StripSlot(strip, CurrentBank()) >= 0;
    return count;
}

int StripOfColumn(int k)
{
    for (int strip = 1; strip <= STRIP_COUNT; strip++)
        if (StripSlot(strip, CurrentBank()) >= 0 && k-- == 0)
            return strip;
    return -1;
}

void SlotTitle(int slot, char *text, int size)
{
    static const char *const words[] = {"Master", "Ch", "Sub", "VCA"};
    SlotText(slot, words, text, size);
}
