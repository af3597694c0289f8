// Helpers for the file tests: a fresh working directory per test, whole-file access.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "state/status_message.h"
#include "files/file_io.h"
#include "state/mix_state.h"

inline std::string ReadDisk(const char *name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteDisk(const char *name, const std::string &text)
{
    std::ofstream(name, std::ios::binary) << text;
}

// Each test runs in a new temporary directory, removed afterwards, from the start-up state
// with an empty status line; a write hook a test installs is taken out again.
class InTempDir : public ::testing::Test {
protected:
    char dir[64] = "/tmp/veltrane-files-XXXXXX";
    char home[PATH_MAX] = "";

    void SetUp() override
    {
        ASSERT_TRUE(getcwd(home, sizeof home));
        ASSERT_TRUE(mkdtemp(dir));
        ASSERT_EQ(chdir(dir), 0);
        ClearInternalArrays();
        tbuffer[0] = 0;
    }
    void TearDown() override
    {
        FileWriteHook = nullptr;
        ASSERT_EQ(chdir(home), 0);
        std::string command = std::string("rm -rf ") + dir;
        ASSERT_EQ(system(command.c_str()), 0);
    }
};
