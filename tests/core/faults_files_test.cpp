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

#include "../faults/faults_support.h"
#include "files_io_test_support.h"
#include "app/status.h"
#include "files/faders_file.h"
#include "files/prefs_file.h"
#include "files/project_files.h"
#include "files/tracks_file.h"
#include "state/mix_state.h"

namespace {

// How a file kind answers a read that found nothing to read.
enum ReadAnswer {
    ANSWER_BYTES,      // "Read <file size> bytes from <name>"
    ANSWER_ZERO,       // "Read 0 bytes from <name>"
    ANSWER_REFUSED,    // the kind's message for a file that cannot be read
    ANSWER_TOO_LARGE,  // "Could not read <name>: larger than <limit> bytes"
    ANSWER_SILENT,     // the status line is left as it was
    ANSWER_AS_MISSING, // what the kind does for a missing file
};

struct FileKind {
    const char *name;
    int limit;                  // the largest file read, in bytes
    bool (*read)();
    bool (*store)();
    ReadAnswer missing;         // a missing file: faders.txt is created, the others skipped
    const char *unreadable;     // the status for a file that exists but cannot be read
    bool carriesForeign;        // a store keeps the old file's lines it does not own
    const char *head;           // a valid text: one setting, then a foreign line if any
    const char *afterNul;       // a setting placed after NUL bytes
    const char *manyLine;       // one short line, repeated up to the limit
};

bool ReadFaders() { return RecallFaderFile() > 0; }

const FileKind Kinds[] = {
    {"faders.txt", FADER_FILE_LIMIT, ReadFaders, StageWriteToFile, ANSWER_ZERO,
     "Read 0 bytes from faders.txt", true,
     "limitmix\r\ncomp\t3\t1\t2\t3\t4\r\nengine\tkeep me\r\n", "hp\t4\t50\r\n", "t\n"},
    {"tracks.txt", TRACKS_TEXT_SIZE - 1, RecallTracksFile, WriteTracksFile, ANSWER_SILENT,
     "Could not read tracks.txt", false, "1 Kick ++\r\n", "2 Snare ++\r\n", "9 Ch ++\n"},
    {"prefs.txt", PREFS_FILE_SIZE - 1, RecallPreferencesFile, WritePreferencesFile, ANSWER_SILENT,
     "Could not read prefs.txt", true, "color\t5\r\nengine\tkeep me\r\n", "color\t6\r\n",
     "color\t7\n"},
};

// A hostile form of the file; what the read and the store of each kind must do.
struct HostileCase {
    const char *label;
    void (*make)(const FileKind &kind);
    ReadAnswer read;
    bool readsSetting;     // the read takes the head's setting into the state
    bool stores;           // the store replaces the file (else it refuses and keeps it)
    bool keepsForeign;     // a stored file still holds the old foreign line
};

std::string Head(const FileKind &kind) { return kind.head; }

// The head followed by `line` repeated until the text is `size` bytes long.
std::string Padded(const FileKind &kind, const std::string &line, size_t size)
{
    std::string text = Head(kind);
    while (text.size() + line.size() <= size)
        text += line;
    text.append(size - text.size(), '\n');
    return text;
}

void MakeDirectory(const FileKind &kind)
{
    mkdir(kind.name, 0777);
    std::string inside = std::string(kind.name) + "/inside";
    PutDisk(inside.c_str(), "keep\n");
}
void MakeDanglingLink(const FileKind &kind) { symlink("nowhere/target.txt", kind.name); }
void MakeWithMode(const FileKind &kind, mode_t mode)
{
    PutDisk(kind.name, Head(kind));
    chmod(kind.name, mode);
}
void MakeUnreadable(const FileKind &kind) { MakeWithMode(kind, 0000); }
void MakeWriteOnly(const FileKind &kind) { MakeWithMode(kind, 0200); }
void MakeEmpty(const FileKind &kind) { PutDisk(kind.name, ""); }
void MakeOneByte(const FileKind &kind) { PutDisk(kind.name, "x"); }
void MakeAtLimit(const FileKind &kind) { PutDisk(kind.name, Padded(kind, "\n", kind.limit)); }
void MakeOverLimit(const FileKind &kind) { PutDisk(kind.name, Padded(kind, "\n", kind.limit + 1)); }
void MakeWithNul(const FileKind &kind)
{
    PutDisk(kind.name, Head(kind) + std::string("\0\0bytes\0\r\n", 10) + kind.afterNul);
}
void MakeCrOnly(const FileKind &kind)
{
    std::string text = Head(kind);
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at + 1, 1);
    PutDisk(kind.name, text + "end\r");
}
void MakeManyLines(const FileKind &kind)
{
    std::string text = Head(kind);
    for (int i = 0; i < 100000; i++)
        text += kind.manyLine;
    PutDisk(kind.name, text);
}
void MakeFullOfRecords(const FileKind &kind) { PutDisk(kind.name, Padded(kind, kind.manyLine, kind.limit)); }

const HostileCase Cases[] = {
    {"directory", MakeDirectory, ANSWER_REFUSED, false, false, false},
    {"dangling link", MakeDanglingLink, ANSWER_AS_MISSING, false, true, false},
    {"unreadable", MakeUnreadable, ANSWER_REFUSED, false, false, false},
    {"write-only", MakeWriteOnly, ANSWER_REFUSED, false, true, true},
    {"empty", MakeEmpty, ANSWER_ZERO, false, true, false},
    {"one byte", MakeOneByte, ANSWER_BYTES, false, true, false},
    {"at the limit", MakeAtLimit, ANSWER_BYTES, true, true, true},
    {"one byte over", MakeOverLimit, ANSWER_TOO_LARGE, false, true, true},
    {"NUL bytes", MakeWithNul, ANSWER_BYTES, true, true, true},
    {"CR-only line ends", MakeCrOnly, ANSWER_BYTES, true, true, false},
    {"100000 lines", MakeManyLines, ANSWER_BYTES, true, true, true},
    {"short lines up to the limit", MakeFullOfRecords, ANSWER_BYTES, true, true, true},
};

// The status line a read must leave.
std::string ExpectedReadStatus(const FileKind &kind, ReadAnswer answer, long size)
{
    char text[STATUS_SIZE];
    if (answer == ANSWER_AS_MISSING)
        answer = kind.missing;
    if (answer == ANSWER_BYTES && size > kind.limit)
        answer = ANSWER_TOO_LARGE;
    switch (answer) {
    case ANSWER_BYTES:
        snprintf(text, sizeof text, "Read %ld bytes from %s", size, kind.name);
        break;
    case ANSWER_ZERO:
        snprintf(text, sizeof text, "Read 0 bytes from %s", kind.name);
        break;
    case ANSWER_REFUSED:
        return kind.unreadable;
    case ANSWER_TOO_LARGE:
        snprintf(text, sizeof text, "Could not read %s: larger than %d bytes", kind.name, kind.limit);
        break;
    case ANSWER_SILENT:
    case ANSWER_AS_MISSING:
        return "before";
    }
    return text;
}

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

// The bytes of a file that may be mode 000 or write-only; its mode is kept.
std::string TextAsRoot(const char *name)
{
    struct stat info;
    if (lstat(name, &info) != 0 || !S_ISREG(info.st_mode))
        return DiskText(name);
    chmod(name, 0644);
    std::string text = DiskText(name);
    chmod(name, info.st_mode & 07777);
    return text;
}

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

        ChildReport report = RunInChild(DropToNobody, [&](char *detail, int detailSize) {
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
        ASSERT_NE(report.result, -1) << report.detail;
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
