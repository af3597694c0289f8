#include "app/control.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"

void UpdateGUI()
{
    UpdateEffectsWindows();
    ShowStatus();

    UpdateSolos();
    UpdateMutes();
    UpdateVolumes();
    UpdatePan();
    UpdateOffset();
    UpdateRamp();
    UpdateShape();

    UpdateTime();
    UpdateChannelActive();
    UpdateIndexActive();
    UpdateCueName();
    UpdateMixName();

    UpdatePreferences();
    UpdateSubmix();
    UpdateVCA();
    UpdateNames();
}
