// Store All and Mix when the disk refuses: a read-only working directory and a disk that
// fills up part-way. The windows are never built, so a forked child shares no display
// connection with its parent; the operations then only set the status line.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "../faults/faults_support.h"
#include "app/control.h"
#include "state/status_message.h"
#include "files/file_io.h"
#include "files/project_files.h"
#include "state/mix_state.h"

namespace {

const char *const ProjectFiles[] = {"prefs.txt", "tracks.txt", "faders.txt"};

// Old files that a failed store must leave byte for byte.
const char *const OldTexts[] = {
    "color\t5\r\nengine\tkeep me\r\nend\r\n",
    "1 Old +\r\nend\r\n",
    "old mix\r\nengine\tkeep me\r\n\r\nt\t0\t0.000\t0\r\nend\r\n",
};

bool RunMix()
{
    Mix();
    return strcmp(tbuffer, "Mix Complete") == 0;
}

struct Operation {
    const char *label;
    bool (*run)();
    const char *failedFile;   // the file the status line must name when all stores fail
};

const Operation Operations[] = {
    {"Store Preferences", WritePreferencesFile, "prefs.txt"},
    {"Store Track Names", WriteTracksFile, "tracks.txt"},
    {"Store Faders / Effects", StageWriteToFile, "faders.txt"},
    {"Store All", SaveAll, "prefs.txt"},
    {"Mix", RunMix, "prefs.txt"},
};

class StoreFaults : public ::testing::Test {
protected:
    char work[64] = "/tmp/veltrane-faults-XXXXXX";
    char engine[64] = "/tmp/veltrane-engine-XXXXXX";
    char home[PATH_MAX] = "";
    std::string marker;

    // A working directory, and a stand-in engine that leaves a marker where anyone may write.
    void SetUp() override
    {
        ASSERT_TRUE(getcwd(home, sizeof home));
        ASSERT_TRUE(mkdtemp(work));
        ASSERT_TRUE(mkdtemp(engine));
        ASSERT_EQ(chmod(engine, 0777), 0);
        marker = std::string(engine) + "/engine-ran";
        std::string script = std::string(engine) + "/tolvex";
        PutDisk(script.c_str(), "#!/bin/sh\ntouch " + marker + "\n");
        ASSERT_EQ(chmod(script.c_str(), 0755), 0);
        ASSERT_EQ(chdir(work), 0);
        ClearInternalArrays();
        CopyText(Path, PATH_SIZE, (std::string(engine) + "/").c_str());
        CopyText(NameBuffer[1], NAME_SIZE, "Kick");
    }
    void TearDown() override
    {
        FileWriteHook = nullptr;
        ASSERT_EQ(chdir(home), 0);
        std::string command = std::string("chmod -R u+rwx ") + work + "; rm -rf " + work + " " + engine;
        ASSERT_EQ(system(command.c_str()), 0);
    }
    void WriteOldFiles()
    {
        for (int i = 0; i < 3; i++)
            PutDisk(ProjectFiles[i], OldTexts[i]);
    }
    void ExpectOldFiles(const char *context)
    {
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(DiskText(ProjectFiles[i]), OldTexts[i]) << context;
    }
    bool EngineRan()
    {
        return access(marker.c_str(), F_OK) == 0;
    }
};

// The file an open descriptor writes to.
std::string FileOf(int fd)
{
    char link[64], target[PATH_MAX] = "";
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    ssize_t length = readlink(link, target, sizeof target - 1);
    return std::string(target, length > 0 ? length : 0);
}

// The file whose saves fail: each save of it stops after a few bytes with a full disk.
const char *full_file;
int full_fd = -1;
size_t full_written;

ssize_t FillsUp(int fd, const void *data, size_t size)
{
    if (FileOf(fd).find(std::string("/") + full_file + ".") == std::string::npos)
        return write(fd, data, size);
    if (fd != full_fd) {
        full_fd = fd;
        full_written = 0;
    }
    const size_t room = 7;
    if (full_written >= room) {
        errno = ENOSPC;
        return -1;
    }
    size_t now = size < room - full_written ? size : room - full_written;
    ssize_t done = write(fd, data, now);
    if (done > 0)
        full_written += done;
    return done;
}

} // namespace

TEST_F(StoreFaults, ReadOnlyDirectory)
{
    WriteOldFiles();
    for (const char *name : ProjectFiles)
        ASSERT_EQ(chmod(name, 0644), 0);
    ASSERT_EQ(chmod(".", 0555), 0);
    for (const Operation &operation : Operations) {
        ChildReport report = RunInChild(DropToNobody, [&](char *, int) { return operation.run(); });
        ASSERT_NE(report.result, -1) << report.detail;
        EXPECT_EQ(report.result, 0) << operation.label;
        EXPECT_EQ(std::string(report.status),
                  std::string("Could not write ") + operation.failedFile + ": Permission denied")
            << operation.label;
        ExpectOldFiles(operation.label);
        EXPECT_EQ(DirectoryListing(), "faders.txt\nprefs.txt\ntracks.txt\n") << operation.label;
        EXPECT_FALSE(EngineRan()) << operation.label;
    }

    // faders.txt not there yet: it cannot be created, and no store claims it was.
    ASSERT_EQ(chmod(".", 0755), 0);
    ASSERT_EQ(unlink("faders.txt"), 0);
    ASSERT_EQ(chmod(".", 0555), 0);
    for (const Operation &operation : Operations) {
        ChildReport report = RunInChild(DropToNobody, [&](char *, int) { return operation.run(); });
        EXPECT_EQ(report.result, 0) << operation.label;
        EXPECT_EQ(strstr(report.status, "Created"), nullptr) << report.status;
        EXPECT_NE(strstr(report.status, "Could not write"), nullptr) << report.status;
        EXPECT_EQ(DirectoryListing(), "prefs.txt\ntracks.txt\n") << operation.label;
        EXPECT_FALSE(EngineRan()) << operation.label;
    }

    // Once the directory and the files are its own, the same child stores and mixes.
    ASSERT_EQ(chmod(".", 0777), 0);
    for (const char *name : {"prefs.txt", "tracks.txt"})
        GiveToNobody(name);
    ChildReport report = RunInChild(DropToNobody, [](char *, int) { return RunMix(); });
    EXPECT_STREQ(report.status, "Mix Complete");
    EXPECT_TRUE(EngineRan());
    EXPECT_EQ(DirectoryListing(), "faders.txt\nprefs.txt\ntracks.txt\n");
}

TEST_F(StoreFaults, DiskFillsUpDuringStoreAllAndMix)
{
    // Each file in turn meets a full disk: Store All reports that file, stores the other
    // two, keeps the old one whole; Mix does the same and never starts the engine.
    for (const char *file : ProjectFiles) {
        for (bool (*run)() : {SaveAll, RunMix}) {
            SCOPED_TRACE(std::string(file) + (run == SaveAll ? ", Store All" : ", Mix"));
            WriteOldFiles();
            full_file = file;
            full_fd = -1;
            FileWriteHook = FillsUp;
            testing::internal::CaptureStdout();
            EXPECT_FALSE(run());
            testing::internal::GetCapturedStdout();
            FileWriteHook = nullptr;
            EXPECT_EQ(std::string(tbuffer), std::string("Could not write ") + file + ": " + strerror(ENOSPC));
            for (int i = 0; i < 3; i++) {
                std::string now = DiskText(ProjectFiles[i]);
                bool stored = now != OldTexts[i] && now.size() > 5 && now.substr(now.size() - 5) == "end\r\n";
                EXPECT_EQ(stored, ProjectFiles[i] != file) << ProjectFiles[i];
            }
            EXPECT_EQ(DirectoryListing(), "faders.txt\nprefs.txt\ntracks.txt\n");
            EXPECT_FALSE(EngineRan());
        }
    }

    // The kernel's own limit on file size: prefs.txt and tracks.txt fit, the automation of
    // faders.txt does not.
    for (int index = 0; index < 40; index++) {
        IndexActiveArray[index] = 1;
        for (int slot = 1; slot <= 20; slot++)
            ChanActive[Cell(slot, index)] = 1;
    }
    for (bool (*run)() : {SaveAll, RunMix}) {
        WriteOldFiles();
        ChildReport report = RunInChild([] { return LimitFileSize(4096); },
                                        [&](char *, int) { return run(); });
        ASSERT_NE(report.result, -1) << report.detail;
        EXPECT_EQ(report.result, 0);
        EXPECT_EQ(std::string(report.status), std::string("Could not write faders.txt: ") + strerror(EFBIG));
        EXPECT_EQ(DiskText("faders.txt"), OldTexts[2]);
        EXPECT_NE(DiskText("tracks.txt"), OldTexts[1]);
        EXPECT_EQ(DirectoryListing(), "faders.txt\nprefs.txt\ntracks.txt\n");
        EXPECT_FALSE(EngineRan());
    }
}

TEST_F(StoreFaults, AProjectFileThatIsADirectory)
{
    // Nothing can replace a directory: Store All and Mix report it, store the other two
    // files and leave the directory and what it holds alone.
    for (const char *file : ProjectFiles) {
        for (bool (*run)() : {SaveAll, RunMix}) {
            SCOPED_TRACE(std::string(file) + (run == SaveAll ? ", Store All" : ", Mix"));
            WriteOldFiles();
            std::string inside = std::string(file) + "/inside";
            ASSERT_EQ(unlink(file), 0);
            ASSERT_EQ(mkdir(file, 0755), 0);
            PutDisk(inside.c_str(), "keep\n");
            EXPECT_FALSE(run());
            EXPECT_EQ(std::string(tbuffer).rfind(std::string("Could not write ") + file + ": ", 0), 0u)
                << tbuffer;
            EXPECT_EQ(DiskText(inside.c_str()), "keep\n");
            EXPECT_EQ(DirectoryListing(), "faders.txt\nprefs.txt\ntracks.txt\n");
            EXPECT_EQ(DirectoryListing(file), "inside\n");
            EXPECT_FALSE(EngineRan());
            ASSERT_EQ(system((std::string("rm -rf ") + file).c_str()), 0);
        }
    }
}
