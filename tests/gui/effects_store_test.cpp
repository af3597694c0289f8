#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/control.h"
#include "effects/matrix.h"
#include "effects/matrix_layout.h"
#include "effects_test_clicks.h"
#include "files/project_files.h"
#include "gui_harness.h"

namespace {

// Runs the test in a scratch working directory, where the project files land.
void EnterScratchDirectory()
{
    char dir[] = "/tmp/veltrane-effects-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    ASSERT_EQ(chdir(dir), 0);
}

std::vector<std::string> FileLines(const char *name)
{
    std::ifstream file(name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

int LineNumber(const std::vector<std::string> &lines, const std::string &wanted)
{
    for (size_t i = 0; i < lines.size(); i++)
        if (lines[i] == wanted)
            return static_cast<int>(i);
    return -1;
}

// Effects of a channel, a submix and the master, their reverb sends, the reverb window,
// and routing in both matrices, all through the widgets.
void EditThroughTheWindows()
{
    EditChannel(3);
    Release(comp1, -10);
    Click(comp0);
    Click(trev_state);
    Release(trev_send, -12);

    EditSubmix(2);
    Release(hshelf2, 3);
    Click(hshelf0);

    EditMaster();
    Release(lim1, -2);
    Click(lim0);
    Click(rev_state);
    Release(rev_send, -6);

    Release(rev_width, 80);
    Click(Rev_LP0);
    Release(trev_taps, 7);

    Spin(SubBank, 1);
    Click(sub_button_A1);
    Click(sub_button_B1);
    Spin(VcaBank, 1);
    Click(vca_button_D3);
}

} // namespace

TEST(EffectsStore, EditsReachFadersFileAndComeBack)
{
    StartVeltrane();
    EnterScratchDirectory();
    EditThroughTheWindows();
    StageWriteToFile();

    std::vector<std::string> lines = FileLines("faders.txt");
    const char *expected[] = {
        "subname\t1\tSubmix 1", "sub\t1\t1,2", "vcaname\t3\tVCA 3", "VCA:\t3\t4",
        "comp\t3\t-10.0\t10.0\t100.0\t1.5", "trev\t3\t-12.0",
        "hshelf\tG\t2\t8000.0\t3.0\t1.0",
        "lim\tM\t-2.0", "rev\tM\t-6.0",
        "rtn\t0.0\t150.0", "trtn\t0.0\t150.0\t7.0", "rlp\t7000", "width\t80", "pos\t37\t39\t43",
    };
    int previous = -1;
    for (const char *line : expected) {
        int at = LineNumber(lines, line);
        EXPECT_GT(at, previous) << "missing or out of order: " << line;
        previous = at;
    }
    EXPECT_EQ(LineNumber(lines, "rhp\t150"), -1) << "the high pass stayed off";

    // A fresh state, then the recall: every window shows the stored edits again.
    StartVeltrane();
    EditChannel(1);
    StageReadFromFile();
    EditChannel(3);
    EXPECT_TRUE(comp0->value());
    EXPECT_EQ(comp1->value(), -10);
    EXPECT_TRUE(trev_state->value());
    EXPECT_EQ(trev_send->value(), -12);
    EditSubmix(2);
    EXPECT_TRUE(hshelf0->value());
    EXPECT_EQ(hshelf2->value(), 3);
    EditMaster();
    EXPECT_TRUE(lim0->value());
    EXPECT_TRUE(rev_state->value());
    EXPECT_EQ(rev_send->value(), -6);
    EXPECT_EQ(rev_width->value(), 80);
    EXPECT_TRUE(Rev_LP0->value());
    EXPECT_EQ(trev_taps->value(), 7);
    EXPECT_TRUE(sub_button_A1->value());
    EXPECT_TRUE(sub_button_B1->value());
    EXPECT_FALSE(sub_button_C1->value());
    EXPECT_TRUE(vca_button_D3->value());
    EXPECT_EQ(SubOn[0], 1);
    EXPECT_EQ(VcaOn[2], 1);
}
