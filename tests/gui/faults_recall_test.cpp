// Recall All over hostile files, with every window built and refreshed from whatever
// the readers left in the mix.
#include <FL/Fl_Output.H>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "../faults/hostile_files.h"
#include "app/control.h"
#include "gui_harness.h"

TEST(RecallFaults, RecallAllOverHostileFiles)
{
    char home[PATH_MAX];
    ASSERT_TRUE(getcwd(home, sizeof home));
    for (const HostileCase &hostile : Cases) {
        // Permissions do not bind the test's own user when it is root, and a case that
        // may hang needs a child: the file-layer tests cover these.
        if (!hostile.asOwnUser)
            continue;
        SCOPED_TRACE(hostile.label);
        char dir[] = "/tmp/veltrane-recall-XXXXXX";
        ASSERT_TRUE(mkdtemp(dir));
        ASSERT_EQ(chdir(dir), 0);
        // The status line ends with the last reader that said something.
        std::string expected = "before";
        bool anyRead = false;
        for (const FileKind &kind : Kinds) {
            hostile.make(kind);
            struct stat info;
            long size = stat(kind.name, &info) == 0 ? (long)info.st_size : 0;
            std::string status = ExpectedReadStatus(kind, hostile.read, size);
            if (status != "before")
                expected = status;
            anyRead |= hostile.readsSetting && status == ExpectedReadStatus(kind, ANSWER_BYTES, size);
        }
        StartVeltrane();
        SetStatus("before");
        std::string before = StateBytes();
        testing::internal::CaptureStdout();
        RecallAll();
        PumpEvents();
        testing::internal::GetCapturedStdout();

        EXPECT_EQ(std::string(tbuffer), expected);
        EXPECT_EQ(std::string(TextResponse->value()), expected);
        EXPECT_EQ(StateProblem(), "");
        EXPECT_EQ(StateBytes() != before, anyRead);
        ASSERT_EQ(chdir(home), 0);
        ASSERT_EQ(system((std::string("rm -rf ") + dir).c_str()), 0);
    }
}
