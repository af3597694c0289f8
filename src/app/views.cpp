// The views of the mix: which refreshes show each view that the journal's table names
// (state/undo_journal.h), written once. The refresh at the end of every operation and the full
// refresh both walk it.
#include "app/views.h"

#include <FL/Fl_Double_Window.H>

#include "app/control.h"
#include "app/keys.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/status_message.h"

namespace {

const struct {
    MixView view;
    void (*refresh)();
} ViewRefreshes[] = {
    {VOLUME_VIEW, UpdateVolumes},         {OFFSET_VIEW, UpdateOffset},
    {RAMP_VIEW, UpdateRamp},              {SHAPE_VIEW, UpdateShape},
    {AUTO_VIEW, UpdateChannelActive},     {TIME_VIEW, UpdateTime},
    {INDEX_ACTIVE_VIEW, UpdateIndexActive}, {CUE_NAME_VIEW, UpdateCueName},
    {NAME_VIEW, UpdateStripNames},      {NAME_VIEW, UpdateEffectsName},
    {NAME_VIEW, UpdateSubmix},            {NAME_VIEW, UpdateVCA},
    {MUTE_VIEW, UpdateMutes},             {SOLO_VIEW, UpdateSolos},
    {PAN_VIEW, UpdatePan},                {MIX_NAME_VIEW, UpdateMixName},
    {SUBMIX_VIEW, UpdateSubmix},          {VCA_VIEW, UpdateVCA},
    {EFFECTS_VIEW, UpdateEffectsWindows}, {PREFERENCES_VIEW, UpdatePreferences},
};

} // namespace

void ShowViews(const bool (&shown)[VIEW_COUNT])
{
    // A refresh that shows several views runs once.
    void (*done[sizeof ViewRefreshes / sizeof ViewRefreshes[0]])();
    int count = 0;
    for (const auto &r : ViewRefreshes) {
        if (!shown[r.view])
            continue;
        bool ran = false;
        for (int i = 0; i < count; i++)
            ran = ran || done[i] == r.refresh;
        if (!ran) {
            r.refresh();
            done[count++] = r.refresh;
        }
    }
}

void ShowView(MixView view)
{
    bool shown[VIEW_COUNT] = {};
    shown[view] = true;
    ShowViews(shown);
}

void ShowNameView()
{
    ShowView(NAME_VIEW);
}

void PaintWindows(int colour)
{
    for (const KeyWindow &w : KeyWindows) {
        if (!*w.window)
            continue;
        (*w.window)->color(Fl_Color(colour));
        (*w.window)->redraw();
    }
}

// Every view, in the order of the full refresh: effects and reverb, the status line, the
// faders window's strips and fields, the preferences, the matrices and last the names.
void UpdateGUI()
{
    ShowView(EFFECTS_VIEW);
    ShowStatus();
    const MixView order[] = {SOLO_VIEW, MUTE_VIEW, VOLUME_VIEW, PAN_VIEW, OFFSET_VIEW, RAMP_VIEW,
                             SHAPE_VIEW, TIME_VIEW, AUTO_VIEW, INDEX_ACTIVE_VIEW, CUE_NAME_VIEW,
                             MIX_NAME_VIEW, PREFERENCES_VIEW, SUBMIX_VIEW, VCA_VIEW, NAME_VIEW};
    for (MixView view : order)
        ShowView(view);
}
