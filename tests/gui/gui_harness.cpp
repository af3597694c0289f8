#include "gui_harness.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include "app/control.h"
#include "app/status.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

void StartVeltrane()
{
    static bool built = false;
    if (!built) {
        built = true;
        SetStatus("%s", VersionLine);
        ClearInternalArrays();
        make_window1();
        make_window2();
        make_window3();
        make_window5();
        make_window6();
        make_window7();
        make_window4();
        UpdateGUI();
        PumpEvents();
        return;
    }
    ClearInternalArrays();
    UpdateGUI();
}

void PumpEvents()
{
    for (int i = 0; i < 20; i++)
        Fl::check();
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
