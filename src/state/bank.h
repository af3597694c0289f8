// Which slot of the mix each strip of the faders window stands for, by bank.
// Strips 1..10: channels 10*(bank-1)+1 .. +10; strip 11: submix `bank`; strip 12: VCA `bank`;
// strip 13: the master. Banks 9 to 12 have no submix or VCA. GUI-free.
#pragma once
#include "state/mix_state.h"

enum {
    STRIP_COUNT = 13,       // strips of the window
    CHANNEL_STRIPS = 10,    // strips 1..10 hold channels
    SUBMIX_STRIP = 11,
    VCA_STRIP = 12,
    MASTER_STRIP = 13,
    BANK_COUNT = 12,
};

// The slot of `strip` (1..13) in `bank` (1..12), or -1 when the strip stands for nothing there.
inline int StripSlot(int strip, int bank)
{
    int slot = -1;
    if (strip >= 1 && strip <= CHANNEL_STRIPS)
        slot = ChannelSlot((bank - 1) * CHANNEL_STRIPS + strip);
    else if (strip == SUBMIX_STRIP && IsGroupNumber(bank))
        slot = SubmixSlot(bank);
    else if (strip == VCA_STRIP && IsGroupNumber(bank))
        slot = VcaSlot(bank);
    else if (strip == MASTER_STRIP)
        slot = MasterSlot();
    return IsSlot(slot) ? slot : -1;
}
