#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

#include "state/status_message.h"
#include "files_io_test_support.h"
#include "files/faders_file.h"
#include "files/project_files.h"
#include "state/mix_state.h"

namespace {

// Parses a text as a recall does; returns what went to standard output.
std::string Parse(const std::string &text)
{
    static char copy[FADER_TEXT_SIZE];
    CopyText(copy, sizeof copy, text.c_str());
    testing::internal::CaptureStdout();
    ParseBufferMulti(copy);
    ReadVolumes(copy);
    EXPECT_EQ(std::string(copy), text) << "the text must not change";
    return testing::internal::GetCapturedStdout();
}

class FadersRecall : public InTempDir {};

const char WorkedExampleDisk[] =
    "demo\r\nnote\tkept line\r\n\r\nsubname\t1\tSubmix 1\r\nsub\t1\t1,2\r\n\r\n\r\n\r\n\r\n\r\n"
    "comp\tM\t-10.0\t10.0\t100.0\t1.5\r\n\r\n\r\n\r\np\t2\t-30\r\n\r\n\r\n\r\ncue\tIntro\r\n\r\n"
    "t\t0\t0.000\t0\r\nv\t1\t-3.50\r\n\r\n\r\nt\t0\t12.500\t0\r\nv\t1\t0.00\r\nrmp\t2.000\r\n"
    "\r\nsubmu\t1\r\nend\r\n";

} // namespace

TEST_F(FadersRecall, WorkedExampleReadsBack)
{
    WriteDisk("faders.txt", WorkedExampleDisk);
    EXPECT_EQ(RecallFaderFile(), 207);
    EXPECT_STREQ(tbuffer, "Read 207 bytes from faders.txt");
    EXPECT_STREQ(MixName, "demo");
    EXPECT_EQ(SubOn[0], 1);
    EXPECT_EQ(SubAsn[RouteCell(1, 1)], 1);
    EXPECT_EQ(SubAsn[RouteCell(2, 1)], 1);
    EXPECT_EQ(SubAsn[RouteCell(3, 1)], 0);
    EXPECT_STREQ(NameBuffer[SubmixSlot(1)], "Submix 1");
    const float comp[5] = {1, -10, 10, 100, 1.5f};
    for (int cell = 0; cell < 5; cell++)
        EXPECT_EQ(Pcomp[MasterSlot()][cell], comp[cell]);
    EXPECT_EQ(Pan[2], -30);
    EXPECT_STREQ(CueNameBuffer[0], "Intro");
    EXPECT_EQ(IndexActiveArray[0], 1);
    EXPECT_EQ(ChanActive[Cell(1, 0)], 1);
    EXPECT_EQ(Volume[Cell(1, 0)], -3.5f);
    EXPECT_EQ(IndexActiveArray[1], 1);
    EXPECT_EQ(IndexSec[1], 12.5f);
    EXPECT_EQ(ChanActive[Cell(1, 1)], 1);
    EXPECT_EQ(Ramp[Cell(1, 1)], 2.0f);
    EXPECT_EQ(MuteArray[SubmixSlot(1)], 1);
    EXPECT_EQ(IndexActiveArray[2], 0);
    EXPECT_STREQ(CueNameBuffer[1], "");
    // The buffer holds the file's text unchanged.
    EXPECT_STREQ(reserve_fbuff, WorkedExampleDisk);
}

TEST_F(FadersRecall, MergesIntoTheState)
{
    Pcomp[5][0] = 1; Pcomp[5][1] = -7;
    Prev[9][0] = 1;
    Pan[4] = 33;
    Prhp[0] = 1; Prhp[1] = 90;
    CopyText(MixName, NAME_SIZE, "kept");
    Parse("abc\nv\tG\t3\t-6.00\n");
    EXPECT_STREQ(MixName, "kept");                  // 3 characters are not taken
    EXPECT_EQ(Pcomp[5][0], 0.0f);                   // effects and sends switch off ...
    EXPECT_EQ(Pcomp[5][1], -7.0f);                  // ... their values stay
    EXPECT_EQ(Prev[9][0], 0.0f);
    EXPECT_EQ(Pan[4], 33.0f);                       // pans and reverb filters are kept
    EXPECT_EQ(Prhp[0], 1.0f);
    EXPECT_EQ(ChanActive[Cell(SubmixSlot(3), 0)], 0);  // before the first block: ignored

    Parse("abcd\nt\t0\t0\t0\nv\tG\t3\t-6.00\nrhp\t200\nrhp\t300\nwidth\t250\n");
    EXPECT_STREQ(MixName, "abcd");
    EXPECT_EQ(ChanActive[Cell(SubmixSlot(3), 0)], 1);
    EXPECT_EQ(Volume[Cell(SubmixSlot(3), 0)], -6.0f);
    EXPECT_EQ(Prhp[1], 200.0f);                     // first occurrence only
    EXPECT_EQ(Prev_width, 250.0f);                  // read whatever its value

    // A text without any field changes nothing at all.
    Pcomp[5][0] = 1;
    Parse("\r\n\t\r\n");
    EXPECT_EQ(Pcomp[5][0], 1.0f);
}

TEST_F(FadersRecall, SlotsAndNumbering)
{
    std::string out = Parse("mix name\n"
                            "comp\t140\t-10.0\t10.0\t100.0\t1.5\n"
                            "hp\t130\t55.5\n"
                            "lim\tx\t-3\n"
                            "t\t1\t10.000\t0\ninc\t2.5\ninc\t55\n"
                            "\nt\t0\t0\t0\nv\t7\t1.5\nofs\t0.5\nshape\t2\n");
    EXPECT_EQ(out, ">>Channel number out of range or not specified!\n");
    EXPECT_EQ(Pcomp[SubmixSlot(8)][0], 1.0f);
    EXPECT_EQ(Pcomp[SubmixSlot(8)][1], -10.0f);
    EXPECT_EQ(Pcomp[SubmixSlot(8)][4], 1.5f);
    EXPECT_EQ(Php[130][1], 55.5f);                  // plain submix slot numbers are accepted
    EXPECT_EQ(Plim[MasterSlot()][0], 1.0f);         // a slot without digits is the master
    EXPECT_EQ(Plim[MasterSlot()][1], -3.0f);
    EXPECT_EQ(IndexSec[1], 12.5f);
    EXPECT_EQ(IndexMin[2], 1.0f);
    EXPECT_EQ(IndexSec[2], 67.5f);
    EXPECT_EQ(IndexActiveArray[3], 1);
    EXPECT_EQ(Volume[Cell(7, 3)], 1.5f);
    EXPECT_EQ(Offset[Cell(7, 3)], 0.5f);
    EXPECT_EQ(Shape[Cell(7, 3)], 2.0f);
    EXPECT_EQ(Ramp[Cell(7, 3)], 0.0f);
}

TEST_F(FadersRecall, ALoneCrEndsALineWhereverItStands)
{
    // A hand-edited line ends in a CR alone in the middle of a CR LF file: the pan after it
    // is its own line.
    Parse("mix name\r\n\r\ncomp\tM\t-10.0\t10.0\t100.0\t1.5\rp\t2\t-30\r\nend\r\n");
    EXPECT_EQ(Pcomp[MasterSlot()][4], 1.5f);
    EXPECT_EQ(Pan[2], -30.0f);

    // A file with CR-only line ends reads in full.
    ClearInternalArrays();
    Parse("old style\rsub\t1\t3,4\rrev\t5\t-12.0\r\rcue\tIntro\r\rt\t0\t2.500\t0\rv\t3\t-4.00\r"
          "rmp\t1.000\rsubmu\t1\rend\rp\t9\t50\r");
    EXPECT_STREQ(MixName, "old style");
    EXPECT_EQ(SubAsn[RouteCell(4, 1)], 1);
    EXPECT_EQ(Prev[5][1], -12.0f);
    EXPECT_STREQ(CueNameBuffer[0], "Intro");
    EXPECT_EQ(IndexSec[0], 2.5f);
    EXPECT_EQ(Volume[Cell(3, 0)], -4.0f);
    EXPECT_EQ(Ramp[Cell(3, 0)], 1.0f);
    EXPECT_EQ(MuteArray[SubmixSlot(1)], 1);
    EXPECT_EQ(Pan[9], 0.0f) << "lines after end are not read";
}

TEST_F(FadersRecall, Routing)
{
    std::string out = Parse("mix name\nsub\t9\t1,2\nsub\t2\t5,200,0\nvcaname\t3\tDrums\tand more\n"
                            "VCA:\t3\t" + std::string("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20") +
                            "\nsubname\t0\tnobody\n");
    EXPECT_EQ(out, "Submix number out of range!\nChannel assigned to sub 2 is out of range!\n");
    EXPECT_EQ(SubOn[1], 1);
    EXPECT_EQ(SubAsn[RouteCell(5, 2)], 1);
    for (int n = 1; n <= 8; n++)
        EXPECT_EQ(SubAsn[RouteCell(1, n)], 0);
    EXPECT_EQ(VcaOn[2], 1);
    for (int channel = 1; channel <= 20; channel++)     // a long list reads back whole
        EXPECT_EQ(VcaAsn[RouteCell(channel, 3)], 1) << channel;
    EXPECT_STREQ(NameBuffer[VcaSlot(3)], "Drums\tand more");
    EXPECT_STREQ(NameBuffer[SubmixSlot(1)], "Submix 1");
}

TEST_F(FadersRecall, KeyWordsOnlyAsFirstField)
{
    // Values equal to key words are text; the mix-name line is never a key line.
    Parse("vca\n"
          "t\t0\t0\t0\n"
          "\tv\t2\t-1\n"
          "cue\tinc\n"
          "subname\t1\tvca\n"
          "note\tcomp\t3\t1\t2\t3\t4\n"
          "t\t0\t1\t0\n"
          "v\t4\t-2\tofs\t9\n"
          "end\n"
          "t\t0\t2\t0\nv\t5\t-3\n");
    EXPECT_STREQ(MixName, "MixFilename");           // "vca" has 3 characters
    EXPECT_EQ(Volume[Cell(2, 0)], -1.0f);           // leading tabs are skipped
    EXPECT_STREQ(CueNameBuffer[1], "inc");
    EXPECT_EQ(IndexActiveArray[2], 0);              // the cue opened no index
    EXPECT_STREQ(NameBuffer[SubmixSlot(1)], "vca");
    EXPECT_EQ(Pcomp[3][0], 0.0f);
    EXPECT_EQ(Volume[Cell(4, 1)], -2.0f);           // the rest of the line is the value
    EXPECT_EQ(Offset[Cell(4, 1)], 0.0f);
    EXPECT_EQ(ChanActive[Cell(5, 2)], 0);           // nothing after "end"
    EXPECT_EQ(IndexActiveArray[2], 0);

    // Fields missing from a line read as 0, not from the next line.
    Parse("mix name\ncomp\t4\t-5\nrtn\n0.5\n");
    EXPECT_EQ(Pcomp[4][1], -5.0f);
    EXPECT_EQ(Pcomp[4][2], 0.0f);
    EXPECT_EQ(Pcomp[4][4], 0.0f);
    EXPECT_EQ(Prtn[0], 0.0f);
    EXPECT_EQ(Prtn[1], 0.0f);
}

TEST_F(FadersRecall, OutOfRangeNumbersAreIgnored)
{
    std::string text = "mix name\nrev\t144\t-3\ntrev\t-1\t-3\nsubmu\t9\nsubso\t0\nsubmu\t99999999999\n"
                       "v\t1\t5\n";                 // before the first block
    for (int block = 0; block < INDEX_COUNT + 3; block++)
        text += "t\t0\t" + std::to_string(block) + "\t0\nv\t3\t-1\n";
    text += "cue\tlate\nv\t144\t1\nofs\t7\nvca\t9\t2\nrmp\t3\nvca\t0\t2\nv\t-1\t2\nv\tG\t99999999999\t1\n";
    Parse(text);
    for (int slot = 0; slot < SLOT_COUNT; slot++) {
        EXPECT_EQ(Prev[slot][0], 0.0f);
        EXPECT_EQ(Ptrev[slot][0], 0.0f);
    }
    for (int slot = SubmixSlot(1); slot < SLOT_COUNT; slot++)
        EXPECT_EQ(MuteArray[slot] + SoloArray[slot], 0);
    EXPECT_EQ(ChanActive[Cell(1, 0)], 0);
    EXPECT_EQ(IndexActiveArray[INDEX_COUNT - 1], 1);
    EXPECT_EQ(IndexSec[INDEX_COUNT - 1], 511.0f);
    EXPECT_EQ(Volume[Cell(3, INDEX_COUNT - 1)], -1.0f);
    EXPECT_EQ(Offset[Cell(3, INDEX_COUNT - 1)], 0.0f);
    EXPECT_EQ(Ramp[Cell(3, INDEX_COUNT - 1)], 0.0f);
}

TEST_F(FadersRecall, AnyBytesAreSafe)
{
    // Odd texts must neither crash nor read past their end (the sanitizer build checks).
    std::string odd[] = {
        "", "x", "mix\rcomp\t1\t2\rend\r", "mix name\ncomp", "mix name\nv\tG", "mix name\n\t\t\t",
        std::string("mix name\nsub\t1\t") + std::string(300000, ','),
        std::string("mix name\ncue\t") + std::string(100, 'c'),
        std::string("mix\0name\nt\t0\t0\t0\n", 17),
        "mix name\nVCA:\t1\t,,,-5,abc,999999999999999999,\n",
        "mix name\nt\t1e39\t-1e39\tnan\np\tM\tinf\n",
    };
    for (const std::string &text : odd) {
        CopyText(reserve_fbuff, FADER_TEXT_SIZE, text.c_str());
        testing::internal::CaptureStdout();
        ParseBufferMulti(reserve_fbuff);
        ReadVolumes(reserve_fbuff);
        testing::internal::GetCapturedStdout();
    }
    EXPECT_EQ(strlen(CueNameBuffer[1]), 0u);
    EXPECT_EQ(strlen(CueNameBuffer[0]), (size_t)CUE_SIZE - 1);
    EXPECT_EQ(VcaAsn[RouteCell(1, 1)], 0);
}

TEST_F(FadersRecall, RandomTextsKeepTheStateInRange)
{
    // Texts built from the pieces the reader reacts to; the sanitizer build catches any
    // access outside a table, the checks below any flag that is not 0 or 1.
    static const char *const pieces[] = {
        "\t", "\n", "\r\n", "\r", "v", "vca", "t", "inc", "cue", "ofs", "rmp", "shape", "comp", "hp",
        "rev", "trev", "p", "sub", "VCA:", "subname", "vcaname", "submu", "subso", "rtn", "pos",
        "rhp", "end", "G", "M", ",", "-", "7", "135", "144", "512", "99999999999", "1e39", "nan",
        "x", "0"};
    uint32_t seed = 2024;
    std::string text;
    for (int round = 0; round < 3000; round++) {
        text = "mix";
        int count = 5 + round % 200;
        for (int i = 0; i < count; i++) {
            seed = seed * 1103515245u + 12345u;
            text += pieces[(seed >> 16) % (sizeof pieces / sizeof pieces[0])];
        }
        CopyText(reserve_fbuff, FADER_TEXT_SIZE, text.c_str());
        testing::internal::CaptureStdout();
        ParseBufferMulti(reserve_fbuff);
        ReadVolumes(reserve_fbuff);
        testing::internal::GetCapturedStdout();
    }
    for (int cell = 0; cell < SLOT_COUNT * INDEX_COUNT; cell++)
        ASSERT_TRUE(ChanActive[cell] == 0 || ChanActive[cell] == 1);
    for (int index = 0; index < INDEX_COUNT; index++) {
        ASSERT_TRUE(IndexActiveArray[index] == 0 || IndexActiveArray[index] == 1);
        ASSERT_LT(strnlen(CueNameBuffer[index], CUE_SIZE), (size_t)CUE_SIZE);
    }
    for (int slot = 0; slot < SLOT_COUNT; slot++) {
        ASSERT_LT(strnlen(NameBuffer[slot], NAME_SIZE), (size_t)NAME_SIZE);
        ASSERT_TRUE(MuteArray[slot] == 0 || MuteArray[slot] == 1);
    }
    for (int cell = 0; cell < ROUTING_ROWS * GROUP_COUNT; cell++)
        ASSERT_TRUE(SubAsn[cell] == 0 || SubAsn[cell] == 1);
    EXPECT_LT(strnlen(MixName, NAME_SIZE), (size_t)NAME_SIZE);
}

TEST_F(FadersRecall, FileProblems)
{
    // An empty file: nothing of an earlier text is parsed.
    strcpy(reserve_fbuff, "stale text\ncomp\t3\t1\t2\t3\t4\n");
    WriteDisk("faders.txt", "");
    Pcomp[3][0] = 0;
    testing::internal::CaptureStdout();
    EXPECT_EQ(RecallFaderFile(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "faders.txt file is empty\n");
    EXPECT_STREQ(tbuffer, "Read 0 bytes from faders.txt");
    EXPECT_STREQ(MixName, "MixFilename");
    EXPECT_EQ(Pcomp[3][0], 0.0f);

    // Too large: refused with a message, state unchanged.
    Pcomp[3][0] = 1;
    WriteDisk("faders.txt", "big mix\r\n" + std::string(FADER_FILE_LIMIT, '#'));
    testing::internal::CaptureStdout();
    EXPECT_EQ(RecallFaderFile(), 0);
    testing::internal::GetCapturedStdout();
    EXPECT_STREQ(tbuffer, "Could not read faders.txt: larger than 262143 bytes");
    EXPECT_EQ(Pcomp[3][0], 1.0f);
    EXPECT_STREQ(MixName, "MixFilename");

    // Missing: created with the mix-name line, which is then read.
    ASSERT_EQ(unlink("faders.txt"), 0);
    EXPECT_EQ(RecallFaderFile(), 0);
    EXPECT_STREQ(tbuffer, "Read 0 bytes from faders.txt");
    EXPECT_STREQ(reserve_fbuff, "MixFilename\n");
    EXPECT_EQ(Pcomp[3][0], 0.0f);
    std::ifstream created("faders.txt", std::ios::binary);
    std::string line;
    std::getline(created, line);
    EXPECT_EQ(line, "MixFilename\r");
}

TEST_F(FadersRecall, StoreRecallStoreIsStable)
{
    CopyText(MixName, NAME_SIZE, std::string(200, 'n').c_str());
    CopyText(NameBuffer[SubmixSlot(4)], NAME_SIZE, "Strings");
    SubOn[3] = 1;
    for (int channel = 1; channel <= CHANNEL_COUNT; channel++)
        SubAsn[RouteCell(channel, 4)] = channel % 3 == 0;
    Pnlc[12][0] = 1; Pnlc[12][1] = -4.5f;
    Ptrev[SubmixSlot(2)][0] = 1; Ptrev[SubmixSlot(2)][1] = -2;
    Prhp[0] = 1;
    Pan[SubmixSlot(6)] = 12;
    for (int index = 0; index < 40; index++) {
        IndexActiveArray[index] = 1;
        IndexSec[index] = index * 1.25f;
        CopyText(CueNameBuffer[index], CUE_SIZE, ("cue " + std::to_string(index)).c_str());
        for (int slot = 0; slot < SLOT_COUNT; slot += 7) {
            ChanActive[Cell(slot, index)] = 1;
            Volume[Cell(slot, index)] = -slot * 0.25f;
            Ramp[Cell(slot, index)] = index % 2;
        }
    }
    MuteArray[SubmixSlot(8)] = SoloArray[SubmixSlot(8)] = 1;
    ASSERT_TRUE(StageWriteToFile());
    std::string first = reserve_fbuff;
    EXPECT_EQ(first.substr(0, 128), std::string(127, 'n') + "\n");  // cut to fit

    ClearInternalArrays();
    RecallFaderFile();
    ASSERT_TRUE(StageWriteToFile());
    EXPECT_EQ(std::string(reserve_fbuff), first);
}
