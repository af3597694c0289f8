// The time index's own fields (active flag, cue name), the mix name, and the "Edit Index" menu.
// The menu's edits are shown by the refresh of the changed tables that ends every operation.
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>

#include "state/status_message.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "state/index_edit.h"
#include "state/mix_state.h"

void IndexActiveToArray()
{
    IndexActiveArray[CurrentIndex()] = IndexActive->value() != 0;
    ClearStatus();
}

void UpdateIndexActive()
{
    IndexActive->value(IndexActiveArray[CurrentIndex()] != 0);
}

// Text fields leave the status line alone. Longer texts are cut to fit their cells.
void CueNameToArray()
{
    CopyOneLine(CueNameBuffer[CurrentIndex()], CUE_SIZE, CueName->value());
}

void UpdateCueName()
{
    CueName->value(CueNameBuffer[CurrentIndex()]);
}

void StoreMixName()
{
    CopyOneLine(MixName, NAME_SIZE, MixNameInput->value());
}

void UpdateMixName()
{
    MixNameInput->value(MixName);
}

void InsertIndex()
{
    const int i = CurrentIndex();
    InsertIndexAt(i);
    SetStatus("Inserted new index %i", i + 1);
}

void RemoveIndex()
{
    const int i = CurrentIndex();
    ClearStatus();
    RemoveIndexAt(i);
    SetStatus("Removed index %i", i + 1);
}

void Propagate()
{
    const int i = CurrentIndex();
    PropagateIndexAt(i);
    SetStatus("Propagated index %i forward", i + 1);
}
