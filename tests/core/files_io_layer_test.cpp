#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "files_io_test_support.h"
#include "files/faders_lines.h"
#include "files/file_io.h"
#include "files/keywords.h"
#include "files/prefs_file.h"
#include "files/text_lines.h"
#include "files/text_out.h"

namespace {

class FileLayer : public InTempDir {};

ssize_t NoSpace(int, const void *, size_t)
{
    errno = ENOSPC;
    return -1;
}

Field F(const char *text)
{
    return Field{text, (int)strlen(text)};
}

std::string S(const Field &field)
{
    return std::string(field.text, field.length);
}

} // namespace

TEST_F(FileLayer, LoadWholeFileOutcomes)
{
    char buffer[8];
    int size = -1;
    strcpy(buffer, "keep");
    EXPECT_EQ(LoadWholeFile("none.txt", buffer, sizeof buffer, &size), LOAD_MISSING);
    WriteDisk("empty.txt", "");
    EXPECT_EQ(LoadWholeFile("empty.txt", buffer, sizeof buffer, &size), LOAD_EMPTY);
    WriteDisk("big.txt", "12345678");
    EXPECT_EQ(LoadWholeFile("big.txt", buffer, sizeof buffer, &size), LOAD_TOO_LARGE);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(size, 0);

    WriteDisk("fits.txt", std::string("a\r\nb\0c", 7));
    EXPECT_EQ(LoadWholeFile("fits.txt", buffer, sizeof buffer, &size), LOAD_OK);
    EXPECT_EQ(size, 7);
    EXPECT_EQ(std::string(buffer, 8), std::string("a\r\nb\0c\0", 8));

    ASSERT_EQ(mkdir("folder.txt", 0755), 0);
    EXPECT_EQ(LoadWholeFile("folder.txt", buffer, sizeof buffer, &size), LOAD_READ_ERROR);
    EXPECT_STREQ(buffer, "");
}

TEST_F(FileLayer, AtomicSave)
{
    char reason[SAVE_REASON_SIZE];
    const char text[] = "one\n\ntwo\tthree\n";
    ASSERT_TRUE(SaveTextAtomically("out.txt", text, (int)strlen(text), reason, sizeof reason));
    EXPECT_EQ(ReadDisk("out.txt"), "one\r\n\r\ntwo\tthree\r\n");
    EXPECT_EQ(DiskSize(text, (int)strlen(text)), 18);

    // The replaced file keeps its mode.
    ASSERT_EQ(chmod("out.txt", 0640), 0);
    ASSERT_TRUE(SaveTextAtomically("out.txt", "x\n", 2, reason, sizeof reason));
    struct stat info;
    ASSERT_EQ(stat("out.txt", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // Failing writes and a failing rename leave the old file and no temporary file.
    FileWriteHook = NoSpace;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(SaveTextAtomically("out.txt", text, (int)strlen(text), reason, sizeof reason));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "write error:  expected 18, returned 0\n");
    FileWriteHook = nullptr;
    EXPECT_STREQ(reason, strerror(ENOSPC));
    ASSERT_EQ(mkdir("folder.txt", 0755), 0);
    EXPECT_FALSE(SaveTextAtomically("folder.txt", text, (int)strlen(text), reason, sizeof reason));
    EXPECT_STREQ(reason, strerror(EISDIR));
    EXPECT_EQ(ReadDisk("out.txt"), "x\r\n");
    EXPECT_EQ(system("test $(ls -A | wc -l) -eq 2"), 0);

    // Saving through a symbolic link replaces the file it names, not the link.
    ASSERT_EQ(symlink("out.txt", "link.txt"), 0);
    ASSERT_TRUE(SaveTextAtomically("link.txt", "y\n", 2, reason, sizeof reason));
    struct stat link;
    ASSERT_EQ(lstat("link.txt", &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(ReadDisk("out.txt"), "y\r\n");
}

TEST_F(FileLayer, LinesAndFields)
{
    const char *text = "first line\r\n\t\tkey\tA\t\tB\tthe rest\twith tab\r\n\nshort\rtail\nlast";
    LineWalk walk = StartLines(text);
    TextLine line;
    ASSERT_TRUE(NextLine(&walk, &line));
    EXPECT_EQ(std::string(line.text, line.length), "first line");
    ASSERT_TRUE(NextLine(&walk, &line));
    EXPECT_EQ(line.number, 2);
    EXPECT_TRUE(KeyIs(LineKey(line), "key"));
    FieldWalk fields = FieldsAfterKey(line);
    EXPECT_EQ(S(NextField(&fields)), "A");
    EXPECT_EQ(S(NextField(&fields)), "B");
    EXPECT_EQ(S(RestOfLine(&fields)), "the rest\twith tab");
    EXPECT_EQ(S(NextField(&fields)), "");             // missing fields are empty
    EXPECT_EQ(S(RestOfLine(&fields)), "");
    ASSERT_TRUE(NextLine(&walk, &line));
    EXPECT_EQ(LineKey(line).length, 0);
    ASSERT_TRUE(NextLine(&walk, &line));
    EXPECT_EQ(std::string(line.text, line.length), "short");   // a lone CR ends a line
    ASSERT_TRUE(NextLine(&walk, &line));
    EXPECT_EQ(std::string(line.text, line.length), "tail");
    ASSERT_TRUE(NextLine(&walk, &line));
    EXPECT_EQ(std::string(line.text, line.length), "last");
    EXPECT_EQ(line.number, 6);
    EXPECT_FALSE(NextLine(&walk, &line));

    // CR-only line ends, and a CR before a CR LF (an empty line between them).
    walk = StartLines("one\rtwo\r\r\nfour\r");
    for (const char *expected : {"one", "two", "", "four"}) {
        ASSERT_TRUE(NextLine(&walk, &line));
        EXPECT_EQ(std::string(line.text, line.length), expected);
    }
    EXPECT_FALSE(NextLine(&walk, &line));
}

TEST_F(FileLayer, Numbers)
{
    EXPECT_EQ(FieldToInt(F("12abc")), 12);
    EXPECT_EQ(FieldToInt(F(" -7")), -7);
    EXPECT_EQ(FieldToInt(F("")), 0);
    EXPECT_EQ(FieldToInt(F("99999999999999999999")), 1000000000);
    EXPECT_EQ(FieldToInt(F("-99999999999")), -1000000000);
    EXPECT_EQ(FieldToFloat(F("12.5\tx")), 12.5f);
    EXPECT_EQ(FieldToFloat(F("x")), 0.0f);
    EXPECT_TRUE(std::isinf(FieldToFloat(F("1e300"))));
    EXPECT_TRUE(std::isnan(FieldToFloat(F("nan"))));
    // Only the field is read, not what follows it in memory.
    EXPECT_EQ(FieldToFloat(Field{"12345", 2}), 12.0f);
    char name[4];
    FieldToText(F("longer"), name, sizeof name);
    EXPECT_STREQ(name, "lon");
}

TEST_F(FileLayer, FastNumberFormatsMatchPrintf)
{
    std::vector<float> values = {0.0f, -0.0f, 0.5f, 1.5f, 2.5f, -2.5f, 0.125f, 0.375f, 2.675f,
                                 -0.001f, 0.0005f, 99.995f, 1e7f, -3.4e38f, 3e14f, 5e15f,
                                 INFINITY, -INFINITY, NAN, -NAN, 1e-40f};
    uint32_t bits = 12345;
    for (int i = 0; i < 200000; i++) {
        bits = bits * 1664525u + 1013904223u;
        float value;
        memcpy(&value, &bits, sizeof value);
        values.push_back(value);
        values.push_back((float)(int)(bits % 2000000) / 1000.0f - 1000.0f);
    }
    for (float value : values) {
        for (int decimals = 0; decimals <= 3; decimals++) {
            char expected[64];
            snprintf(expected, sizeof expected, "%.*f", decimals, value);
            char buffer[64];
            TextOut out = StartText(buffer, sizeof buffer);
            AppendFloat(&out, value, decimals);
            ASSERT_STREQ(buffer, expected) << decimals;
        }
    }
    for (int value : {0, 7, -7, 2147483647, -2147483647 - 1}) {
        char expected[16], buffer[16];
        snprintf(expected, sizeof expected, "%i", value);
        TextOut out = StartText(buffer, sizeof buffer);
        AppendInt(&out, value);
        EXPECT_STREQ(buffer, expected);
    }
}

// The key words are the keys of the rows of the two line tables: 33 of faders.txt, 19 of
// prefs.txt, none in both, each found again by the lookup the reader and scrubs use.
TEST_F(FileLayer, KeyWordsAreTheRowsOfBothLineTables)
{
    std::set<std::string> words;
    for (const FaderLine &line : FaderLines) {
        words.insert(LineKeyWord(line));
        EXPECT_EQ(FindFaderLine(F(LineKeyWord(line))), &line) << LineKeyWord(line);
    }
    for (int i = 0; i < PREF_LINE_COUNT; i++)
        words.insert(PrefLines[i].key);
    EXPECT_EQ(words.size(), 52u);
    EXPECT_EQ(FADER_LINE_COUNT + PREF_LINE_COUNT, 52);
    for (const std::string &word : words)
        EXPECT_EQ(CheckForKey(word.c_str()), 1) << word;
}

TEST_F(FileLayer, KeyWordsAndForeignLines)
{
    EXPECT_EQ(CheckForKey("VCA:"), 1);
    EXPECT_EQ(CheckForKey("vca"), 1);
    EXPECT_EQ(CheckForKey("Vca"), 0);
    EXPECT_EQ(CheckForKey("dither"), 1);
    EXPECT_EQ(CheckForKey("end"), 0);
    EXPECT_EQ(CheckForKey("hpx"), 0);
    EXPECT_EQ(CheckForKey(""), 0);

    const char *old = "own first\r\n\r\nxfade\t2\r\nmono\ton\r\n\tshape 1\r\nend\r\nafter\r\n";
    char buffer[64];
    TextOut out = StartText(buffer, sizeof buffer);
    EXPECT_TRUE(AppendForeignLines(&out, old, FIRST_LINE_DROPPED));
    EXPECT_STREQ(buffer, "xfade\t2\n\tshape 1\n");
    out = StartText(buffer, sizeof buffer);
    EXPECT_TRUE(AppendForeignLines(&out, old, FIRST_LINE_KEPT_IF_FOREIGN));
    EXPECT_STREQ(buffer, "own first\nxfade\t2\n\tshape 1\n");
    out = StartText(buffer, sizeof buffer);
    EXPECT_TRUE(AppendForeignLines(&out, "pre\ton\nkept\n", FIRST_LINE_KEPT_IF_FOREIGN));
    EXPECT_STREQ(buffer, "kept\n");

    // A text that does not fit is refused piece by piece, never overrun.
    char small[8];
    out = StartText(small, sizeof small);
    EXPECT_FALSE(AppendForeignLines(&out, "x\nabcdef\ngh\n", FIRST_LINE_DROPPED));
    EXPECT_TRUE(out.overflow);
    EXPECT_STREQ(small, "abcdef\n");
    AppendText(&out, "z");
    EXPECT_STREQ(small, "abcdef\n");
    out = StartText(small, sizeof small);
    AppendFormat(&out, "%s", "12345678");
    EXPECT_STREQ(small, "");
    EXPECT_TRUE(out.overflow);
}
