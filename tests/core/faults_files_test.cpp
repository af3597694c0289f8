// Hostile files on disk and failing disks, walked through the real entry points of the
// three project files. Every case runs in a child that has dropped to an unprivileged
// user, so that permissions bind even when the tests run as root.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "../faults/hostile_files.h"
#include "files_io_test_support.h"

namespace {

// Names, mutes and solos of the submixes and VCAs: no file of channels may reach them.
std::string GroupSlots()
{
    std::string bytes;
    for (int slot = SubmixSlot(1); slot <= VcaSlot(GROUP_COUNT); slot++) {
        bytes.append(NameBuffer[slot]);
        bytes += char('0' + MuteArray[slot]) + std::string(1, char('0' + SoloArray[slot]));
    }
    return bytes;
}

// A child that hangs is ended by an alarm and reported as dead.
bool NobodyWithDeadline()
{
    alarm(3);
    return DropToNobody();
}

// The unprivileged child may write in the test's directory; the cases leave files
// without permissions there, which removal must get past.
class HostileFiles : public InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        ASSERT_EQ(chmod(dir, 0777), 0);
    }
    void TearDown() override
    {
        std::string command = std::string("chmod -R u+rwx ") + dir;
        ASSERT_EQ(system(command.c_str()), 0);
        InTempDir::TearDown();
    }
    // A fresh working directory for one case, writable by the unprivileged user.
    void EnterCaseDirectory(const FileKind &kind, const char *label)
    {
        std::string path = std::string(dir) + "/" + kind.name + " " + label;
        ASSERT_EQ(mkdir(path.c_str(), 0777), 0);
        ASSERT_EQ(chmod(path.c_str(), 0777), 0);
        ASSERT_EQ(chdir(path.c_str()), 0);
    }
    void ReadThenStore(const FileKind &kind);
};

// What the child saw; the parent compares it with the case's row.
struct Seen {
    std::string readStatus, problem;
    bool changed;
};

Seen ParseSeen(const char *detail)
{
    std::string text = detail;
    size_t first = text.find('\n'), second = text.find('\n', first + 1);
    Seen seen;
    seen.readStatus = text.substr(0, first);
    seen.changed = text.substr(first + 1, second - first - 1) == "1";
    seen.problem = text.substr(second + 1);
    return seen;
}

} // namespace

// Every hostile form of one kind of file: read it, check the state and the status line,
// then store over it and check what is on disk.
void HostileFiles::ReadThenStore(const FileKind &kind)
{
    for (const HostileCase &hostile : Cases) {
        SCOPED_TRACE(std::string(kind.name) + ", " + hostile.label);
        EnterCaseDirectory(kind, hostile.label);
        hostile.make(kind);
        GiveToNobody(kind.name);
        struct stat info;
        long size = stat(kind.name, &info) == 0 ? (long)info.st_size : 0;
        std::string readable = TextAsRoot(kind.name);
        ClearInternalArrays();
        SetStatus("before");

        ChildReport report = RunInChild(NobodyWithDeadline, [&](char *detail, int detailSize) {
            std::string before = StateBytes();
            std::string groups = GroupSlots();
            kind.read();
            std::string problem = StateProblem();
            if (GroupSlots() != groups)
                problem += "a submix or VCA slot changed";
            snprintf(detail, detailSize, "%s\n%d\n%s", tbuffer, StateBytes() != before,
                     problem.c_str());
            SetStatus("before store");
            return kind.store();
        });
        if (report.result == -1) {
            ADD_FAILURE() << report.detail;
            continue;
        }
        Seen seen = ParseSeen(report.detail);
        EXPECT_EQ(seen.readStatus, ExpectedReadStatus(kind, hostile.read, size));
        EXPECT_EQ(seen.problem, "");
        // Nothing may be taken from a file that was not read whole, and a store may
        // replace such a file only when its kind owns every line of it.
        bool readWhole = hostile.read != ANSWER_REFUSED && hostile.read != ANSWER_TOO_LARGE &&
                         size <= kind.limit;
        EXPECT_EQ(seen.changed, hostile.readsSetting && readWhole);
        bool stores = hostile.stores && (readWhole || !kind.carriesForeign);
        EXPECT_EQ(report.result, stores ? 1 : 0) << report.status;
        EXPECT_NE(strstr(report.status, kind.name), nullptr) << report.status;
        std::string now = TextAsRoot(kind.name);
        if (!stores) {
            EXPECT_EQ(now.size(), readable.size());
            EXPECT_TRUE(now == readable) << "the old file changed";
        } else {
            EXPECT_EQ(std::string(report.status).rfind("Wrote ", 0), 0u) << report.status;
            ASSERT_GE(now.size(), 5u);
            EXPECT_EQ(now.substr(now.size() - 5), "end\r\n");
        }
        if (stores && kind.carriesForeign && hostile.keepsForeign) {
            EXPECT_NE(now.find("engine\tkeep me\r\n"), std::string::npos);
        }
        if (hostile.make == MakeDirectory) {
            EXPECT_EQ(DiskText((std::string(kind.name) + "/inside").c_str()), "keep\n");
        }
        EXPECT_EQ(DirectoryListing().find(".txt."), std::string::npos) << "temporary file left";
    }
}

TEST_F(HostileFiles, FadersReadThenStore) { ReadThenStore(Kinds[0]); }
TEST_F(HostileFiles, TracksReadThenStore) { ReadThenStore(Kinds[1]); }
TEST_F(HostileFiles, PrefsReadThenStore) { ReadThenStore(Kinds[2]); }

TEST_F(HostileFiles, FullDiskKeepsTheOldFile)
{
    // The kernel refuses every byte past the 10th of any file, as a full disk does.
    for (const FileKind &kind : Kinds) {
        for (bool present : {true, false}) {
            const char *label = present ? "full disk" : "full disk, no file yet";
            SCOPED_TRACE(std::string(kind.name) + ", " + label);
            EnterCaseDirectory(kind, label);
            if (present)
                PutDisk(kind.name, Head(kind));
            std::string old = DiskText(kind.name);
            ClearInternalArrays();
            ChildReport report = RunInChild([] { return LimitFileSize(10); },
                                            [&](char *, int) { return kind.store(); });
            ASSERT_NE(report.result, -1) << report.detail;
            EXPECT_EQ(report.result, 0);
            EXPECT_EQ(std::string(report.status), std::string("Could not write ") + kind.name +
                                                      ": " + strerror(EFBIG));
            EXPECT_EQ(DiskText(kind.name), old);
            EXPECT_EQ(DirectoryListing(), present ? std::string(kind.name) + "\n" : "");
        }
    }
}
