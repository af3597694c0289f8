#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "state/status_message.h"
#include "files_io_test_support.h"
#include "files_tracks_prefs_support.h"
#include "files/file_io.h"
#include "files/project_files.h"
#include "files/tracks_file.h"
#include "state/mix_state.h"

namespace {

class TracksFile : public InTempDir {};

void Name(int channel, const char *name)
{
    CopyText(NameBuffer[ChannelSlot(channel)], NAME_SIZE, name);
}

std::string NameOf(int channel)
{
    return NameBuffer[ChannelSlot(channel)];
}

// Reads `text` as tracks.txt from disk.
bool Recall(const std::string &text)
{
    WriteDisk("tracks.txt", text);
    return RecallTracksFile();
}

const char WORKED_EXAMPLE[] = "1 Kick +\r\n2 ---- off\r\n3 Snare ++\r\n4 Bass off\r\n5 Vox +\r\nend\r\n";

} // namespace

TEST_F(TracksFile, WorkedExampleBothWays)
{
    Name(1, "Kick");
    Name(3, "Snare");
    SoloArray[3] = 1;
    Name(4, "Bass");
    MuteArray[4] = 1;
    Name(5, "Vox");
    ASSERT_TRUE(WriteTracksFile());
    EXPECT_STREQ(tbuffer, "Wrote 54 bytes to tracks.txt");
    EXPECT_EQ(ReadDisk("tracks.txt"), WORKED_EXAMPLE);
    EXPECT_EQ(NameOf(2), "----");
    EXPECT_EQ(MuteArray[2], 1);

    ClearInternalArrays();
    ASSERT_TRUE(RecallTracksFile());
    EXPECT_STREQ(tbuffer, "Read 60 bytes from tracks.txt");
    const char *names[] = {"Kick", "----", "Snare", "Bass", "Vox"};
    const int mutes[] = {0, 1, 0, 1, 0}, solos[] = {0, 0, 1, 0, 0};
    for (int c = 1; c <= 5; c++) {
        EXPECT_EQ(NameOf(c), names[c - 1]) << c;
        EXPECT_EQ(MuteArray[c], mutes[c - 1]) << c;
        EXPECT_EQ(SoloArray[c], solos[c - 1]) << c;
    }
    EXPECT_EQ(NameOf(6), "");
}

TEST_F(TracksFile, LastChannelAndMarkers)
{
    // Nothing named: channel 1 alone, named and muted by the store.
    ASSERT_TRUE(WriteTracksFile());
    EXPECT_EQ(ReadDisk("tracks.txt"), "1 ---- off\r\nend\r\n");
    EXPECT_EQ(NameOf(1), "----");
    EXPECT_EQ(MuteArray[1], 1);

    // A soloed and muted channel is written with "++". A muted channel with a name of its
    // own above the last unmuted one keeps its name and mute, the gap below it is filled; a
    // muted placeholder or an unnamed soloed channel does not lengthen the file.
    ClearInternalArrays();
    Name(1, "A");
    Name(2, "B");
    MuteArray[2] = SoloArray[2] = 1;
    Name(3, "C");
    Name(5, "FX_Ret_2");
    MuteArray[5] = 1;
    Name(7, "----");
    MuteArray[7] = 1;
    SoloArray[8] = 1;
    ASSERT_TRUE(WriteTracksFile());
    EXPECT_EQ(ReadDisk("tracks.txt"), "1 A +\r\n2 B ++\r\n3 C +\r\n4 ---- off\r\n5 FX_Ret_2 off\r\nend\r\n");
    EXPECT_EQ(NameOf(6), "") << "channels above the last are left alone";

    ClearInternalArrays();
    ASSERT_TRUE(RecallTracksFile());
    EXPECT_EQ(SoloArray[2], 1);
    EXPECT_EQ(MuteArray[2], 0) << "\"++\" sets only the solo";
    EXPECT_EQ(NameOf(5), "FX_Ret_2");
    EXPECT_EQ(MuteArray[5], 1);
}

TEST_F(TracksFile, ReaderTakesNamesAsWritten)
{
    // Names with spaces, "beginner", "end", blank lines, LF-only line ends.
    Name(1, "Lead Vox");
    Name(2, "beginner");
    Name(3, "end");
    Name(4, " two  spaces ");
    ASSERT_TRUE(WriteTracksFile());
    EXPECT_EQ(ReadDisk("tracks.txt"),
              "1 Lead Vox +\r\n2 beginner +\r\n3 end +\r\n4  two  spaces  +\r\nend\r\n");
    ClearInternalArrays();
    ASSERT_TRUE(RecallTracksFile());
    EXPECT_EQ(NameOf(1), "Lead Vox");
    EXPECT_EQ(NameOf(2), "beginner");
    EXPECT_EQ(NameOf(3), "end");
    EXPECT_EQ(NameOf(4), " two  spaces ");
    for (int c = 1; c <= 4; c++)
        EXPECT_EQ(MuteArray[c], 0) << c;

    ClearInternalArrays();
    ASSERT_TRUE(Recall("header\nbegin\n\n7 Kick +\n\n8 Snare off\n9 Odd maybe\nend\n10 After +\n"));
    EXPECT_EQ(NameOf(1), "Kick") << "records are counted, the numbers not used";
    EXPECT_EQ(NameOf(2), "Snare");
    EXPECT_EQ(MuteArray[2], 1);
    EXPECT_EQ(MuteArray[3], 1) << "an unknown marker mutes";
    EXPECT_EQ(NameOf(4), "") << "nothing after the end line";
}

TEST_F(TracksFile, HandEditedLineEndsAndBreaksInNames)
{
    // Trailing spaces and tabs are no part of a record; "end " still ends the records;
    // a lone CR ends a line.
    ASSERT_TRUE(Recall("1 Kick + \r\n2 Snare ++\t\r\n3 Bass off\r4 Vox +\rend \r\n5 Late +\r\n"));
    EXPECT_EQ(NameOf(1), "Kick");
    EXPECT_EQ(MuteArray[1], 0);
    EXPECT_EQ(NameOf(2), "Snare");
    EXPECT_EQ(SoloArray[2], 1);
    EXPECT_EQ(NameOf(3), "Bass");
    EXPECT_EQ(MuteArray[3], 1);
    EXPECT_EQ(NameOf(4), "Vox");
    EXPECT_EQ(NameOf(5), "") << "the end line ended the records";

    // A line break inside a name is written as a space: the channels after it keep
    // their own names and switches.
    ClearInternalArrays();
    Name(1, "Kick\nin");
    Name(2, "Snare\rtop");
    Name(3, "Bass");
    MuteArray[3] = 1;
    Name(4, "Vox");
    ASSERT_TRUE(WriteTracksFile());
    EXPECT_EQ(ReadDisk("tracks.txt"), "1 Kick in +\r\n2 Snare top +\r\n3 Bass off\r\n4 Vox +\r\nend\r\n");
    ClearInternalArrays();
    ASSERT_TRUE(RecallTracksFile());
    EXPECT_EQ(NameOf(2), "Snare top");
    EXPECT_EQ(MuteArray[2], 0);
    EXPECT_EQ(NameOf(3), "Bass");
    EXPECT_EQ(MuteArray[3], 1);
    EXPECT_EQ(NameOf(4), "Vox");
}

TEST_F(TracksFile, ReaderOnlySetsWhatTheFileSays)
{
    Name(3, "Old");
    MuteArray[3] = 1;
    SoloArray[4] = 1;
    Name(5, "Keep");
    ASSERT_TRUE(Recall("1 a +\r\n2 b +\r\n3 c +\r\n4 Kick\r\n5\r\n"));
    EXPECT_EQ(NameOf(3), "c");
    EXPECT_EQ(MuteArray[3], 1) << "\"+\" keeps an earlier mute";
    EXPECT_EQ(NameOf(4), "Kick") << "a single word after the number is the name";
    EXPECT_EQ(SoloArray[4], 1);
    EXPECT_EQ(MuteArray[4], 0) << "a record without a marker changes no switch";
    EXPECT_EQ(NameOf(5), "Keep") << "a record without a name keeps the name";
    EXPECT_EQ(MuteArray[5], 0);

    // More records than channels: the submix names behind the channels stay.
    std::string many;
    for (int c = 1; c <= 140; c++)
        many += std::to_string(c) + " n" + std::to_string(c) + " off\n";
    ASSERT_TRUE(Recall(many));
    EXPECT_EQ(NameOf(127), "n127");
    EXPECT_STREQ(NameBuffer[SubmixSlot(1)], "Submix 1");
    EXPECT_EQ(MuteArray[SubmixSlot(1)], 0);

    // A missing file: nothing read, nothing said.
    unlink("tracks.txt");
    SetStatus("before");
    EXPECT_FALSE(RecallTracksFile());
    EXPECT_STREQ(tbuffer, "before");
}

TEST_F(TracksFile, LargestStateFitsAndOversizeIsRefused)
{
    std::string longName(NAME_SIZE - 1, 'x');
    for (int c = 1; c <= CHANNEL_COUNT; c++) {
        longName[0] = (char)('A' + c % 26);
        Name(c, longName.c_str());
        SoloArray[c] = 1;
    }
    ASSERT_TRUE(WriteTracksFile());
    std::string stored = ReadDisk("tracks.txt");
    EXPECT_GT(stored.size(), 17000u);
    ClearInternalArrays();
    ASSERT_TRUE(RecallTracksFile());
    for (int c = 1; c <= CHANNEL_COUNT; c++)
        ASSERT_EQ(NameOf(c)[0], (char)('A' + c % 26));
    EXPECT_EQ(NameOf(CHANNEL_COUNT).size(), (size_t)NAME_SIZE - 1);

    // A name longer than the buffer is cut.
    ASSERT_TRUE(Recall("1 " + std::string(300, 'y') + " +\n"));
    EXPECT_EQ(NameOf(1), std::string(NAME_SIZE - 1, 'y'));

    // A hand-made file too large for the buffer: refused, state unchanged.
    ClearInternalArrays();
    EXPECT_FALSE(Recall("1 Big +\n" + std::string(TRACKS_TEXT_SIZE, '\n')));
    EXPECT_STREQ(tbuffer, "Could not read tracks.txt: larger than 32767 bytes");
    EXPECT_EQ(NameOf(1), "");
}

TEST_F(TracksFile, FailedStoreKeepsOldFile)
{
    const std::string old = "1 Old +\r\nend\r\n";
    WriteDisk("tracks.txt", old);
    FileWriteHook = [](int, const void *, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    testing::internal::CaptureStdout();
    EXPECT_FALSE(WriteTracksFile());
    testing::internal::GetCapturedStdout();
    FileWriteHook = nullptr;
    EXPECT_STREQ(tbuffer, "Could not write tracks.txt: No space left on device");
    EXPECT_EQ(ReadDisk("tracks.txt"), old);

    // No permission, even when the tests run as root: a child as "nobody" in a
    // directory it cannot write.
    ASSERT_EQ(chmod(".", 0555), 0);
    EXPECT_TRUE(RefusedAsNobody(WriteTracksFile, "Could not write tracks.txt: Permission denied"));
    ASSERT_EQ(chmod(".", 0777), 0);
    EXPECT_EQ(ReadDisk("tracks.txt"), old);
}
