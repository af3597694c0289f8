#include "state/cue_points.h"

int NextActiveCue(int index)
{
    for (int i = index + 1; i < INDEX_COUNT; i++)
        if (IsActiveCue(i))
            return i;
    return -1;
}

int PreviousActiveCue(int index)
{
    for (int i = index - 1; i >= 0; i--)
        if (IsActiveCue(i))
            return i;
    return -1;
}
