#include "app/edit_end.h"
#include "app/control.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Menu_Item.H>

#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/effects.h"
#include "state/mix_state.h"
#include "state/undo_journal.h"

namespace {

// Which refresh shows each table of the mix. The effect tables are walked from Effects;
// PlayMode and DeviceName are shown by no window.
const struct {
    const void *table;
    void (*refresh)();
} Refreshes[] = {
    {Volume, UpdateVolumes}, {Offset, UpdateOffset}, {Ramp, UpdateRamp}, {Shape, UpdateShape},
    {ChanActive, UpdateChannelActive}, {IndexMin, UpdateTime}, {IndexSec, UpdateTime},
    {IndexMsec, UpdateTime}, {IndexActiveArray, UpdateIndexActive}, {CueNameBuffer, UpdateCueName},
    {NameBuffer, UpdateNames}, {MuteArray, UpdateMutes}, {SoloArray, UpdateSolos}, {Pan, UpdatePan},
    {SubAsn, UpdateSubmix}, {SubOn, UpdateSubmix}, {VcaAsn, UpdateVCA}, {VcaOn, UpdateVCA},
    {Prtn, UpdateEffectsWindows}, {Ptrtn, UpdateEffectsWindows}, {Prlp, UpdateEffectsWindows},
    {Prhp, UpdateEffectsWindows}, {&Prev_width, UpdateEffectsWindows},
    {Prev_position, UpdateEffectsWindows}, {MixName, UpdateMixName},
    {PreviewArray, UpdatePreferences}, {XinArray, UpdatePreferences}, {XoutArray, UpdatePreferences},
    {HeadTailArray, UpdatePreferences}, {&PanlawStore, UpdatePreferences},
    {&OutbitsStore, UpdatePreferences}, {&DitherBits, UpdatePreferences},
    {&monoOn, UpdatePreferences}, {&PreviewOn, UpdatePreferences}, {&color, UpdatePreferences},
    {Path, UpdatePreferences}, {WavDirName, UpdatePreferences}, {MixDirName, UpdatePreferences},
    {LaunchCommand, UpdatePreferences},
};

enum { MAX_REFRESHES = 24 };

void AddOnce(void (*refresh)(), void (*(&list)[MAX_REFRESHES])(), int &count)
{
    for (int i = 0; i < count; i++)
        if (list[i] == refresh)
            return;
    if (count < MAX_REFRESHES)
        list[count++] = refresh;
}

// Every window shows again the tables the last operation changed. A refresh only copies
// the state into widgets; it never runs a callback. A widget that shows the value it just
// stored is given the same value back, which leaves it as it is.
void RefreshChangedTables()
{
    void (*list[MAX_REFRESHES])();
    int count = 0;
    for (const auto &r : Refreshes)
        if (JournalRecordChanged(r.table))
            AddOnce(r.refresh, list, count);
    for (const EffectKind &kind : Effects)
        if (JournalRecordChanged(kind.table))
            AddOnce(UpdateEffectsWindows, list, count);
    for (int i = 0; i < count; i++)
        list[i]();
}

enum { MAX_FOLLOWERS = 8 };
void (*followers[MAX_FOLLOWERS])();
int follower_count;

// How the step of an operation is named and whether it joins the previous one. A menu item
// or a plain button is an operation of its own, named by its label. A toggle is one click.
// A widget that runs its callback at every change (a spinner's held arrow, a slider dragged,
// a field that stores at each keystroke) makes one step of its run of changes; the step is
// named by the table it changed.
void NameStep(Fl_Widget *source, const void *&run, const char *&operation)
{
    run = nullptr;
    operation = nullptr;
    if (!source)
        return;
    if (const Fl_Menu_ *menu = dynamic_cast<const Fl_Menu_ *>(source)) {
        operation = menu->mvalue() ? menu->mvalue()->label() : nullptr;
    } else if (const Fl_Button *button = dynamic_cast<const Fl_Button *>(source)) {
        if (button->type() == FL_NORMAL_BUTTON)
            operation = button->label();
    } else if (source->when() & FL_WHEN_CHANGED) {
        run = source;
    }
}

} // namespace

void FollowEdits(void (*refresh)())
{
    if (follower_count < MAX_FOLLOWERS)
        followers[follower_count++] = refresh;
}

namespace {

void RefreshFollowers()
{
    for (int i = 0; i < follower_count; ++i)
        followers[i]();
}

} // namespace

namespace {

void EndStep(const void *run, const char *operation)
{
    if (JournalRecord(run, operation))
        RefreshChangedTables();
    ShowPosition();
    RefreshFollowers();
}

} // namespace

void EditEnded(Fl_Widget *source)
{
    const void *run;
    const char *operation;
    NameStep(source, run, operation);
    EndStep(run, operation);
}

void EditEndedAs(const char *operation) { EndStep(nullptr, operation); }

void HistoryMoved()
{
    UpdateGUI();
    RefreshFollowers();
}
