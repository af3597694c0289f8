// Where the faders window and the cue window stand: the current time index (0..511) and the
// current bank (1..12). A view of the mix, as CNL is for the effects window, so the undo
// journal leaves them out. GUI-free.
#pragma once

int CurrentIndex();
int CurrentBank();
// Out-of-range values are brought to the nearest end.
void SetCurrentIndex(int index);
void SetCurrentBank(int bank);
