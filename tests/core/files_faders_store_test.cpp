#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "state/status_message.h"
#include "../faults/faults_support.h"
#include "files_io_test_support.h"
#include "files/effect_lines.h"
#include "files/faders_file.h"
#include "files/file_io.h"
#include "files/project_files.h"
#include "state/mix_state.h"

namespace {

std::string WithCrLf(const std::string &text)
{
    std::string disk;
    for (char c : text) {
        if (c == '\n')
            disk += '\r';
        disk += c;
    }
    return disk;
}

class FadersStore : public InTempDir {};

void SetUpWorkedExample()
{
    CopyText(MixName, NAME_SIZE, "demo");
    SubOn[0] = 1;
    SubAsn[RouteCell(1, 1)] = SubAsn[RouteCell(2, 1)] = 1;
    float comp[5] = {1, -10, 10, 100, 1.5f};
    memcpy(Pcomp[MasterSlot()], comp, sizeof comp);
    Pan[ChannelSlot(2)] = -30;
    CopyText(CueNameBuffer[0], CUE_SIZE, "Intro");
    ChanActive[Cell(1, 0)] = 1;
    Volume[Cell(1, 0)] = -3.5f;
    IndexActiveArray[1] = 1;
    IndexSec[1] = 12.5f;
    ChanActive[Cell(1, 1)] = 1;
    Ramp[Cell(1, 1)] = 2;
    MuteArray[SubmixSlot(1)] = 1;
}

const char WorkedExample[] =
    "demo\n"
    "note\tkept line\n"
    "\n"
    "subname\t1\tSubmix 1\n"
    "sub\t1\t1,2\n"
    "\n\n\n\n\n"
    "comp\tM\t-10.0\t10.0\t100.0\t1.5\n"
    "\n\n\n"
    "p\t2\t-30\n"
    "\n\n\n"
    "cue\tIntro\n"
    "\n"
    "t\t0\t0.000\t0\n"
    "v\t1\t-3.50\n"
    "\n\n"
    "t\t0\t12.500\t0\n"
    "v\t1\t0.00\n"
    "rmp\t2.000\n"
    "\n"
    "submu\t1\n"
    "end\n";

const char StartUpText[] =
    "MixFilename\n\n\n\n\n\n\n\n\n\n\n\n\nt\t0\t0.000\t0\n\nend\n";

} // namespace

TEST_F(FadersStore, WorkedExampleByteForByte)
{
    SetUpWorkedExample();
    WriteDisk("faders.txt", "old name\r\nv\t3\t1.00\r\nnote\tkept line\r\n\r\ncomp\t4\t1.0\t2.0\t3.0\t4.0\r\nend\r\nafter\tend\r\n");
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_EQ(std::string(reserve_fbuff), WorkedExample);
    EXPECT_EQ(strlen(WorkedExample), 177u);
    EXPECT_STREQ(tbuffer, "Wrote 177 bytes to faders.txt");
    std::string disk = ReadDisk("faders.txt");
    EXPECT_EQ(disk.size(), 207u);
    EXPECT_EQ(disk, WithCrLf(WorkedExample));

    // Storing again keeps the carried line once, in the same place.
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_EQ(ReadDisk("faders.txt"), disk);
}

TEST_F(FadersStore, StartUpStateAndMissingFile)
{
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_EQ(std::string(reserve_fbuff), StartUpText);
    EXPECT_EQ(strlen(StartUpText), 41u);
    EXPECT_STREQ(tbuffer, "Wrote 41 bytes to faders.txt");
    EXPECT_EQ(ReadDisk("faders.txt"), WithCrLf(StartUpText));

    // An empty mix name becomes "mixFilename" when the missing file is created.
    ASSERT_EQ(unlink("faders.txt"), 0);
    MixName[0] = 0;
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_STREQ(MixName, "mixFilename");
    EXPECT_EQ(std::string(reserve_fbuff).substr(0, 12), "mixFilename\n");
}

TEST_F(FadersStore, LineFormatsAndConditions)
{
    Php[5][0] = 1; Php[5][1] = 80;
    Pcomp[6][0] = 0.5f;                      // not exactly 1: off
    Prms[7][0] = 2.0f;                       // off
    Pnlc[SubmixSlot(2)][0] = 1;
    Pfxg[MasterSlot()][0] = 1; Pfxg[MasterSlot()][1] = -1.25f;
    Prev[MasterSlot()][0] = 1; Prev[MasterSlot()][1] = -6;
    Prev[3][0] = 1;
    Pfxg[3][0] = 1;
    Ptrev[VcaSlot(2)][0] = 1;                // any slot's send counts, even a VCA's
    Prev_width = 120;                        // out of range: no width line
    Prlp[0] = 1;
    SubOn[2] = 1;                            // on without members
    VcaOn[0] = 1; VcaAsn[RouteCell(127, 1)] = 1;
    Pan[3] = 0.4f;
    Pan[SubmixSlot(8)] = 100;
    Pan[MasterSlot()] = -5;
    Pan[VcaSlot(1)] = 20;                    // VCAs have no pan line
    CopyText(CueNameBuffer[0], CUE_SIZE, "A"); // one character: not written
    ChanActive[Cell(5, 0)] = 1;
    Shape[Cell(5, 0)] = 0.5f;
    ChanActive[Cell(9, 0)] = 1;
    Shape[Cell(9, 0)] = 1.0f;
    Offset[Cell(9, 0)] = 0.25f;
    ChanActive[Cell(SubmixSlot(3), 0)] = 1; Volume[Cell(SubmixSlot(3), 0)] = -6;
    ChanActive[Cell(VcaSlot(2), 0)] = 1;
    ChanActive[Cell(MasterSlot(), 0)] = 1;
    ChanActive[Cell(4, 1)] = 1;              // index 1 is not active: nothing
    IndexActiveArray[3] = 1;
    CopyText(CueNameBuffer[3], CUE_SIZE, "Go");
    IndexMin[3] = 2; IndexSec[3] = 1.0005f; IndexMsec[3] = 7;
    SoloArray[SubmixSlot(4)] = 1;
    ASSERT_TRUE(StageWriteToFile());

    const char expected[] =
        "MixFilename\n"
        "\n"
        "subname\t3\tSubmix 3\n"
        "sub\t3\t\n"
        "\n\n"
        "vcaname\t1\tVCA 1\n"
        "VCA:\t1\t127\n"
        "\n"
        "rev\t3\t0.0\n"
        "fxg\t3\t0.0\n"
        "hp\t5\t80.0\n"
        "\n"
        "nlc\tG\t2\t0.0\t300.0\t2.0\n"
        "\n"
        "fxg\tM\t-1.2\n"
        "rev\tM\t-6.0\n"
        "\n"
        "rtn\t0.0\t150.0\n"
        "trtn\t0.0\t150.0\t5.0\n"
        "rlp\t7000\n"
        "pos\t37\t39\t43\n"
        "\n\n"
        "p\t3\t0\n"
        "p\tG\t8\t100\n"
        "p\tM\t-5\n"
        "\n"
        "\n"
        "\nt\t0\t0.000\t0\n"
        "v\t5\t0.00\n"
        "shape\t0.500\n"
        "v\t9\t0.00\n"
        "ofs\t0.250\n"
        "v\tG\t3\t-6.00\n"
        "vca\t2\t0.00\n"
        "v\tM\t0.00\n"
        "\n"
        "\ncue\tGo\n"
        "\nt\t2\t1.000\t7\n"
        "\n"
        "subso\t4\n"
        "end\n";
    EXPECT_EQ(std::string(reserve_fbuff), expected);
}

TEST_F(FadersStore, NumbersIgnoreTheLocale)
{
    if (!setlocale(LC_ALL, "de_DE.UTF-8") && !setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    Pcomp[1][0] = 1; Pcomp[1][1] = -2.5f;
    bool stored = StageWriteToFile();
    std::string text = reserve_fbuff;
    Pcomp[1][1] = 0;
    RecallFaderFile();
    float read = Pcomp[1][1];
    setlocale(LC_ALL, "C");
    ASSERT_TRUE(stored);
    EXPECT_NE(text.find("comp\t1\t-2.5\t10.0\t100.0\t1.5\n"), std::string::npos);
    EXPECT_EQ(read, -2.5f);
}

TEST_F(FadersStore, ForeignLinesCarriedWhole)
{
    std::string longLine = "engine\t" + std::string(5000, 'x') + " \ty";
    WriteDisk("faders.txt", "name\r\n\txfade\t2\r\n" + longLine + "\r\n\r\nv\tM\t1\r\n"
                            "pre\ton\r\nend\r\nlater\t1\r\n");
    ASSERT_TRUE(StageWriteToFile());
    std::string text = reserve_fbuff;
    EXPECT_EQ(text.rfind("MixFilename\n\txfade\t2\n" + longLine + "\n\n", 0), 0u);
    EXPECT_EQ(text.find("later"), std::string::npos);
    EXPECT_EQ(text.find("pre\t"), std::string::npos);

    // A lone CR ends a foreign line as CR LF and LF do: the line is kept up to it and
    // written back with CR LF, and the key line after it is not glued to it.
    WriteDisk("faders.txt", "name\r\nnote\tkept\rp\t2\t-30\r\nold\tmac\rend\r");
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_EQ(std::string(reserve_fbuff).rfind("MixFilename\nnote\tkept\nold\tmac\n\n", 0), 0u);
    EXPECT_EQ(ReadDisk("faders.txt").rfind("MixFilename\r\nnote\tkept\r\nold\tmac\r\n\r\n", 0), 0u);
}

TEST_F(FadersStore, LineBreaksInTextsAreWrittenAsSpaces)
{
    // Texts set without passing an entry point (a table edited directly) still cannot split
    // their lines: a cue "x" LF "end" would end the recall early.
    CopyText(MixName, NAME_SIZE, "two\nlines");
    SubOn[0] = 1;
    CopyText(NameBuffer[SubmixSlot(1)], NAME_SIZE, "Drums\r\nbus");
    CopyText(CueNameBuffer[0], CUE_SIZE, "x\nend");
    IndexActiveArray[1] = 1;
    ChanActive[Cell(4, 1)] = 1;
    Volume[Cell(4, 1)] = -7;
    ASSERT_TRUE(StageWriteToFile());
    std::string text = reserve_fbuff;
    EXPECT_EQ(text.rfind("two lines\n", 0), 0u);
    EXPECT_NE(text.find("\nsubname\t1\tDrums  bus\n"), std::string::npos);
    EXPECT_NE(text.find("\ncue\tx end\n"), std::string::npos);

    ClearInternalArrays();
    RecallFaderFile();
    EXPECT_STREQ(MixName, "two lines");
    EXPECT_STREQ(CueNameBuffer[0], "x end");
    EXPECT_EQ(Volume[Cell(4, 1)], -7.0f) << "the block after the cue was read";
}

// ---- Failures: the old file survives, the status line says why ----------------------

namespace {

long allowed_bytes;
int fail_errno;

// Accepts `allowed_bytes` in total, then fails with fail_errno (0: no progress at all).
ssize_t FailingWrite(int fd, const void *data, size_t size)
{
    if (allowed_bytes <= 0) {
        errno = fail_errno;
        return fail_errno ? -1 : 0;
    }
    size_t now = size < (size_t)allowed_bytes ? size : (size_t)allowed_bytes;
    allowed_bytes -= now;
    return write(fd, data, now);
}

int EntriesIn(const char *dir)
{
    std::string command = std::string("test $(ls -A ") + dir + " | wc -l) -eq 1";
    return system(command.c_str()) == 0 ? 1 : 0;
}

} // namespace

TEST_F(FadersStore, DiskFullAndShortWriteKeepOldFile)
{
    const std::string old = "old mix\r\nkeep\tme\r\nend\r\n";
    for (int error : {ENOSPC, 0}) {
        WriteDisk("faders.txt", old);
        allowed_bytes = 20;
        fail_errno = error;
        FileWriteHook = FailingWrite;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(StageWriteToFile());
        std::string out = testing::internal::GetCapturedStdout();
        FileWriteHook = nullptr;
        EXPECT_EQ(ReadDisk("faders.txt"), old);
        EXPECT_STREQ(tbuffer, error ? "Could not write faders.txt: No space left on device"
                                    : "Could not write faders.txt: short write");
        // 49 characters in 17 lines: 66 bytes on disk.
        EXPECT_EQ(out, "write error:  expected 66, returned 20\n");
        EXPECT_EQ(EntriesIn("."), 1) << "temporary file left behind";
    }
}

TEST_F(FadersStore, TooLargeMixIsRefused)
{
    const std::string old = "old mix\r\nend\r\n";
    WriteDisk("faders.txt", old);
    for (int index = 0; index < INDEX_COUNT; index++) {
        IndexActiveArray[index] = 1;
        for (int slot = 0; slot < SLOT_COUNT; slot++)
            ChanActive[Cell(slot, index)] = 1;
    }
    EXPECT_FALSE(StageWriteToFile());
    EXPECT_STREQ(tbuffer, "Could not write faders.txt: the mix needs more than the 262143 bytes a file may hold");
    EXPECT_EQ(ReadDisk("faders.txt"), old);
}

TEST_F(FadersStore, RefusalForTheOldFileSaysWhatIsInTheWay)
{
    // The foreign lines alone nearly fill a file: the small mix does not fit beside them.
    std::string foreign;
    while (foreign.size() < 261500)
        foreign += "engine\t" + std::string(90, 'f') + "\r\n";
    const std::string old = "old mix\r\n" + foreign + "end\r\n";
    WriteDisk("faders.txt", old);
    for (int index = 0; index < 40; index++) {
        IndexActiveArray[index] = 1;
        ChanActive[Cell(1, index)] = 1;
    }
    EXPECT_FALSE(StageWriteToFile());
    EXPECT_STREQ(tbuffer, "Could not write faders.txt: the foreign lines kept from the old file "
                          "leave too little room for the mix");
    EXPECT_EQ(ReadDisk("faders.txt"), old);

    // An old file too large to read whole is named as such.
    const std::string huge = "old mix\r\n" + std::string(FADER_TEXT_SIZE, 'x') + "\r\nend\r\n";
    WriteDisk("faders.txt", huge);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(StageWriteToFile());
    testing::internal::GetCapturedStdout();
    EXPECT_STREQ(tbuffer, "Could not write faders.txt: the old file is larger than 262143 bytes");
    EXPECT_EQ(ReadDisk("faders.txt"), huge);
}

// Runs `body` in a child process that has dropped to the unprivileged user "nobody", so
// permission checks apply even when the tests run as root. 0 when the body held.
template <typename Body>
int AsNobody(Body body)
{
    return RunInChild(DropToNobody, [&](char *, int) { return body(); }).result == 1 ? 0 : 1;
}

TEST_F(FadersStore, NoPermissionIsReported)
{
    // A read-only directory: the missing file cannot be created, nothing is written.
    ASSERT_EQ(chmod(".", 0555), 0);
    EXPECT_EQ(AsNobody([] {
        bool stored = StageWriteToFile();
        return !stored && access("faders.txt", F_OK) != 0 &&
               strcmp(tbuffer, "Could not write faders.txt: Permission denied") == 0;
    }), 0);

    // A recall there reports it and reads nothing.
    Pcomp[4][0] = 1;
    EXPECT_EQ(AsNobody([] {
        return RecallFaderFile() == 0 && Pcomp[4][0] == 1.0f &&
               strcmp(tbuffer, "Could not create faders.txt: Permission denied") == 0;
    }), 0);

    // A write-protected file in a writable directory stays as it was.
    ASSERT_EQ(chmod(".", 0777), 0);
    const std::string old = "old mix\r\nend\r\n";
    WriteDisk("faders.txt", old);
    ASSERT_EQ(chmod("faders.txt", 0444), 0);
    EXPECT_EQ(AsNobody([] {
        return !StageWriteToFile() &&
               strcmp(tbuffer, "Could not write faders.txt: Permission denied") == 0;
    }), 0);
    EXPECT_EQ(ReadDisk("faders.txt"), old);
    EXPECT_EQ(EntriesIn("."), 1);
}

TEST_F(FadersStore, UnreadableOldFileGivesNoStaleText)
{
    // The text of an earlier operation must not become the base of the store.
    strcpy(reserve_fbuff, "stale\nforeign\tline\nend\n");
    WriteDisk("faders.txt", "");
    testing::internal::CaptureStdout();
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "faders.txt file is empty\n");
    EXPECT_EQ(std::string(reserve_fbuff), StartUpText);
}

// One strip's effect lines as the file holds them, read back into another strip.
TEST(EffectLines, OneStripsChainCarriesToAnother)
{
    ClearInternalArrays();
    Pcomp[3][0] = 1; Pcomp[3][1] = -10; Pcomp[3][2] = 10; Pcomp[3][3] = 100; Pcomp[3][4] = 1.5f;
    Prev[3][0] = 1; Prev[3][1] = -6;
    Pfxg[3][0] = 1; Pfxg[3][1] = 2;
    Pfxg[MasterSlot()][0] = Prev[MasterSlot()][0] = 1;
    Php[SubmixSlot(2)][0] = 1;
    char text[128];
    EXPECT_EQ(WriteEffectLines(3, text, sizeof text), 49);
    EXPECT_STREQ(text, "comp\t3\t-10.0\t10.0\t100.0\t1.5\nrev\t3\t-6.0\nfxg\t3\t2.0\n");
    WriteEffectLines(MasterSlot(), text, sizeof text);
    EXPECT_STREQ(text, "fxg\tM\t0.0\nrev\tM\t0.0\n");
    WriteEffectLines(SubmixSlot(2), text, sizeof text);
    EXPECT_STREQ(text, "hp\tG\t2\t100.0\n");
    EXPECT_EQ(WriteEffectLines(3, text, 20), -1);
    EXPECT_STREQ(text, "");

    EXPECT_TRUE(ReadEffectLine("comp\t3\t-10.0\t10.0\t100.0\t1.5\r\nrev\t3\t-6.0", 7));
    EXPECT_EQ(0, memcmp(Pcomp[7], Pcomp[3], sizeof Pcomp[3]));
    EXPECT_EQ(Prev[7][0], 0.0f);                    // one line only
    EXPECT_TRUE(ReadEffectLine("rev\tG\t2\t-3.0", MasterSlot()));
    EXPECT_EQ(Prev[MasterSlot()][1], -3.0f);
    EXPECT_FALSE(ReadEffectLine("p\t3\t10", 7));
    EXPECT_FALSE(ReadEffectLine("comp\t3\t1\t2\t3\t4", VcaSlot(1)));
    EXPECT_EQ(Pan[7], 0.0f);
}
