#include "gui_harness.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include "app/control.h"
#include "state/mix_state.h"

void StartVeltrane()
{
    static bool built = false;
    if (!built) {
        built = true;
        StartUp();
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
