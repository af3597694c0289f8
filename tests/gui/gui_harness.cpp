#include "gui_harness.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

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

void PressKey(Fl_Window *window, int keysym, const char *text, int state)
{
    Fl::e_keysym = keysym;
    Fl::e_text = const_cast<char *>(text);
    Fl::e_length = int(strlen(text));
    Fl::e_state = state;
    Fl::handle(FL_KEYBOARD, window);
    Fl::e_state = 0;
}

ScratchDirectory::ScratchDirectory() : path("/tmp/veltrane-test-XXXXXX")
{
    EXPECT_NE(getcwd(old, sizeof old), nullptr);
    EXPECT_NE(mkdtemp(path), nullptr);
    EXPECT_EQ(chdir(path), 0);
}

ScratchDirectory::~ScratchDirectory()
{
    EXPECT_EQ(chdir(old), 0);
    const std::string remove = std::string("rm -rf ") + path;
    EXPECT_EQ(system(remove.c_str()), 0);
}

char TestProgram[PATH_MAX];

int main(int argc, char **argv)
{
    if (!realpath(argv[0], TestProgram))
        snprintf(TestProgram, sizeof TestProgram, "%s", argv[0]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
