#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <clocale>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "state/status_message.h"
#include "files_io_test_support.h"
#include "files_tracks_prefs_support.h"
#include "files/file_io.h"
#include "files/prefs_file.h"
#include "files/project_files.h"
#include "state/mix_state.h"

namespace {

class PrefsFile : public InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        color = 97;
        HeadTailArray[0] = HeadTailArray[1] = 0;
        PreviewArray[1] = PreviewArray[2] = PreviewArray[3] = 0;
    }
    void TearDown() override
    {
        setlocale(LC_ALL, "C");
        InTempDir::TearDown();
    }
};

std::string Stored()
{
    EXPECT_TRUE(WritePreferencesFile());
    return ReadDisk("prefs.txt");
}

bool Recall(const std::string &text)
{
    WriteDisk("prefs.txt", text);
    return RecallPreferencesFile();
}

const char DEFAULTS[] = "pre\toff\r\nstart\t0.000\t0.000\t0\r\nlength\t0.000\r\npan\t3.0\r\n"
                        "outbits\t24\r\ndither\t1\r\ncolor\t97\r\nend\r\n";

} // namespace

TEST_F(PrefsFile, WorkedExampleBothWays)
{
    EXPECT_EQ(Stored(), DEFAULTS);
    EXPECT_STREQ(tbuffer, "Wrote 82 bytes to prefs.txt");
    PanlawStore = 1;
    OutbitsStore = 16;
    ASSERT_TRUE(RecallPreferencesFile());
    EXPECT_STREQ(tbuffer, "Read 90 bytes from prefs.txt");
    EXPECT_EQ(PanlawStore, 3.0f);
    EXPECT_EQ(OutbitsStore, 24);
}

TEST_F(PrefsFile, EveryLineInOrder)
{
    PreviewOn = 1;
    float preview[4] = {1, 2.5f, 300, 10};
    memcpy(PreviewArray, preview, sizeof preview);
    XinArray[2] = 0.5f;
    XoutArray[0] = -1;
    HeadTailArray[0] = 2;
    HeadTailArray[1] = 3;
    CopyText(Path, PATH_SIZE, "/opt/tolvex/");
    CopyText(MixDirName, PATH_SIZE, "/mix dir");
    CopyText(WavDirName, PATH_SIZE, "w");
    PanlawStore = 6.0f;
    OutbitsStore = 16;
    DitherBits = 0;
    monoOn = 1;
    color = 12;
    CopyText(LaunchCommand, PATH_SIZE, "play -q x.wav");
    EXPECT_EQ(Stored(), "pre\ton\r\nstart\t1.000\t2.500\t300\r\nlength\t10.000\r\n"
                        "xin\t0.000\t0.000\t0.500\r\nxout\t-1.000\t0.000\t0.000\r\n"
                        "head\t2.000\r\ntail\t3.000\r\npath\t/opt/tolvex/\r\nmixdir\t/mix dir\r\n"
                        "wavdir\tw\r\npan\t6.0\r\noutbits\t16\r\ndither\t0\r\nmono\r\ncolor\t12\r\n"
                        "launch\tplay -q x.wav\r\nend\r\n");

    // Left out: pan law 0, 6.5 or negative; a path or launch command of one character.
    for (float panlaw : {0.0f, 6.5f, -1.0f}) {
        PanlawStore = panlaw;
        CopyText(Path, PATH_SIZE, "/");
        CopyText(LaunchCommand, PATH_SIZE, "x");
        std::string text = Stored();
        EXPECT_EQ(text.find("pan\t"), std::string::npos) << panlaw;
        EXPECT_EQ(text.find("path\t"), std::string::npos);
        EXPECT_EQ(text.find("launch\t"), std::string::npos);
    }
}

TEST_F(PrefsFile, NumbersIgnoreTheLocale)
{
    if (!setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    PreviewArray[1] = 2.5f;
    PanlawStore = 4.5f;
    std::string text = Stored();
    EXPECT_NE(text.find("start\t0.000\t2.500\t0\r\n"), std::string::npos);
    EXPECT_NE(text.find("pan\t4.5\r\n"), std::string::npos);
    PreviewArray[1] = PanlawStore = 0;
    ASSERT_TRUE(RecallPreferencesFile());
    EXPECT_EQ(PreviewArray[1], 2.5f);
    EXPECT_EQ(PanlawStore, 4.5f);
}

TEST_F(PrefsFile, ReaderTakesKeysFromFirstFieldOnly)
{
    monoOn = 1;
    PanlawStore = 4.5f;
    ASSERT_TRUE(Recall("pre\ton\r\n"
                       "path\tmono\r\n"
                       "\twavdir\t/wave files/a\tb\r\n"
                       "note\tcolor\t5\r\n"
                       "start\t7\r\n"
                       "outbits\t16.9\r\n"
                       "oname\tMyMix\r\n"
                       "device\thw:1\r\n"
                       "play\t3\r\n"
                       "dither\r\n"
                       "xin\t1\t2\t3\textra\r\n"
                       "end\r\n"
                       "color\t1\r\n"));
    EXPECT_EQ(PreviewOn, 1);
    EXPECT_STREQ(Path, "mono");
    EXPECT_EQ(monoOn, 1) << "reading never switches mono off";
    EXPECT_STREQ(WavDirName, "/wave files/a\tb");
    EXPECT_EQ(color, 97) << "a key inside a value, or after end, is no key";
    EXPECT_EQ(PreviewArray[0], 7.0f);
    EXPECT_EQ(PreviewArray[1], 0.0f) << "missing values read as 0";
    EXPECT_EQ(PreviewArray[2], 0.0f);
    EXPECT_EQ(OutbitsStore, 16);
    EXPECT_STREQ(MixName, "MyMix");
    EXPECT_STREQ(DeviceName, "hw:1");
    int play = 0;
    memcpy(&play, PlayMode, sizeof play);
    EXPECT_EQ(play, 3);
    EXPECT_EQ(DitherBits, 0);
    EXPECT_EQ(XinArray[2], 3.0f);
    EXPECT_EQ(PanlawStore, 4.5f) << "settings the file does not name stay";

    // Values beyond every range are clamped, never undefined.
    ASSERT_TRUE(Recall("outbits\t1e30\ncolor\t99999999999999999999\npan\t1e999\npre\tmaybe\n"));
    EXPECT_EQ(OutbitsStore, 1000000000);
    EXPECT_EQ(color, 255) << "a colour is kept within the colour indices";
    EXPECT_TRUE(std::isinf(PanlawStore));
    EXPECT_EQ(PreviewOn, 1);
}

TEST_F(PrefsFile, LoneCrLineEndsAndLineBreaksInTexts)
{
    ASSERT_TRUE(Recall("pre\ton\rpath\t/opt/engine/\rgain\t2\routbits\t16\r\nlaunch\tgo\rend\r"));
    EXPECT_EQ(PreviewOn, 1);
    EXPECT_STREQ(Path, "/opt/engine/");
    EXPECT_EQ(OutbitsStore, 16);
    EXPECT_STREQ(LaunchCommand, "go");

    // The foreign line is carried up to its lone CR and written back with CR LF; a CR or
    // LF left in a path or the launch command is written as a space.
    CopyText(WavDirName, PATH_SIZE, "/takes\nday 2");
    CopyText(LaunchCommand, PATH_SIZE, "render\r--fast");
    std::string text = Stored();
    EXPECT_NE(text.find("\r\nwavdir\t/takes day 2\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nlaunch\trender --fast\r\ngain\t2\r\nend\r\n"), std::string::npos);
}

TEST_F(PrefsFile, ForeignLinesCarriedOver)
{
    WriteDisk("prefs.txt", "engine\tfast\r\npre\ton\r\n\r\ngain\t2\r\noname\tX\r\n\tmono\r\n"
                           "end\r\nlater\t1\r\n");
    std::string text = Stored();
    EXPECT_EQ(text.substr(text.find("color")),
              "color\t97\r\nengine\tfast\r\ngain\t2\r\nend\r\n");
    EXPECT_EQ(text, Stored()) << "a second store carries the same lines";
}

TEST_F(PrefsFile, LongestTextsAndOversizeFiles)
{
    std::string longest(PATH_SIZE - 1, 'p');
    for (char *text : {Path, MixDirName, WavDirName, LaunchCommand})
        CopyText(text, PATH_SIZE, longest.c_str());
    for (float *value : {XinArray, XoutArray, PreviewArray})
        value[0] = value[1] = value[2] = -3.4e38f;
    std::string text = Stored();
    EXPECT_NE(text.find("\r\nlaunch\t" + longest + "\r\nend\r\n"), std::string::npos);
    Path[0] = MixDirName[0] = WavDirName[0] = LaunchCommand[0] = 0;
    ASSERT_TRUE(RecallPreferencesFile());
    for (char *value : {Path, MixDirName, WavDirName, LaunchCommand})
        EXPECT_EQ(std::string(value), longest);
    EXPECT_EQ(Stored(), text);

    // Texts longer than their buffers are cut.
    ASSERT_TRUE(Recall("path\t" + std::string(400, 'q') + "\ndevice\t" + std::string(50, 'd') + "\n"));
    EXPECT_EQ(std::string(Path), std::string(PATH_SIZE - 1, 'q'));
    EXPECT_EQ(std::string(DeviceName), std::string(SHORT_TEXT_SIZE - 1, 'd'));

    // A file too large for its buffer: not read, and not replaced by a store that
    // could not carry its lines over.
    std::string big = "color\t5\n" + std::string(PREFS_FILE_SIZE, '#') + "\n";
    EXPECT_FALSE(Recall(big));
    EXPECT_STREQ(tbuffer, "Could not read prefs.txt: larger than 16383 bytes");
    EXPECT_EQ(color, 97);
    EXPECT_FALSE(WritePreferencesFile());
    EXPECT_STREQ(tbuffer, "Could not write prefs.txt: the old file is larger than 16383 bytes");
    EXPECT_EQ(ReadDisk("prefs.txt"), big);

    // Foreign lines that fit the old file but not beside the program's own lines.
    std::string crowded = std::string(PREFS_FILE_SIZE - 200, '#') + "\n";
    WriteDisk("prefs.txt", crowded);
    CopyText(Path, PATH_SIZE, longest.c_str());
    EXPECT_FALSE(WritePreferencesFile());
    EXPECT_STREQ(tbuffer, "Could not write prefs.txt: the text would be larger than 16383 bytes");
    EXPECT_EQ(ReadDisk("prefs.txt"), crowded);
}

TEST_F(PrefsFile, FailedStoreKeepsOldFile)
{
    const std::string old = "pre\ton\r\nkeep\tme\r\nend\r\n";
    WriteDisk("prefs.txt", old);
    FileWriteHook = [](int fd, const void *data, size_t size) -> ssize_t {
        return write(fd, data, size < 10 ? size : 10) > 0 ? 0 : -1;
    };
    testing::internal::CaptureStdout();
    EXPECT_FALSE(WritePreferencesFile());
    testing::internal::GetCapturedStdout();
    FileWriteHook = nullptr;
    EXPECT_STREQ(tbuffer, "Could not write prefs.txt: short write");
    EXPECT_EQ(ReadDisk("prefs.txt"), old);

    // A write-protected prefs.txt, even when the tests run as root.
    ASSERT_EQ(chmod(".", 0777), 0);
    ASSERT_EQ(chmod("prefs.txt", 0444), 0);
    EXPECT_TRUE(RefusedAsNobody(WritePreferencesFile, "Could not write prefs.txt: Permission denied"));
    EXPECT_EQ(ReadDisk("prefs.txt"), old);

    // An old file that cannot be read is not replaced: its foreign lines would be lost.
    ASSERT_EQ(chmod("prefs.txt", 0222), 0);
    EXPECT_TRUE(RefusedAsNobody(WritePreferencesFile,
                                "Could not write prefs.txt: the old file cannot be read"));
    EXPECT_EQ(ReadDisk("prefs.txt"), old);
}
