// Travel between cue points and banks: the keys of the faders and cue windows and the cue
// window's clicks move the current position here, as typing into the spinners does.
#include "faders/faders.h"
#include "state/bank.h"
#include "state/cue_points.h"

void GoToCuePoint(int index)
{
    if (!IsIndex(index) || index == CurrentIndex())
        return;
    SetCurrentIndex(index);
    StageVolDivavUpdate();
}

void GoToBank(int bank)
{
    if (bank < 1 || bank > BANK_COUNT || bank == CurrentBank())
        return;
    SetCurrentBank(bank);
    StageVolDivavUpdate();
}

namespace {

bool GoToCue(int index)
{
    if (index < 0)
        return false;
    GoToCuePoint(index);
    return true;
}

bool GoToBankIfAny(int bank)
{
    if (bank < 1 || bank > BANK_COUNT)
        return false;
    GoToBank(bank);
    return true;
}

} // namespace

bool NextCuePoint() { return GoToCue(NextActiveCue(CurrentIndex())); }
bool PreviousCuePoint() { return GoToCue(PreviousActiveCue(CurrentIndex())); }
bool NextBank() { return GoToBankIfAny(CurrentBank() + 1); }
bool PreviousBank() { return GoToBankIfAny(CurrentBank() - 1); }
