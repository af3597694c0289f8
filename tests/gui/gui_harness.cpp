#include "gui_harness.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

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

char TestProgram[PATH_MAX];

int main(int argc, char **argv)
{
    if (!realpath(argv[0], TestProgram))
        snprintf(TestProgram, sizeof TestProgram, "%s", argv[0]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
