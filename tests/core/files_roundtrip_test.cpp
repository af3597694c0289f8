// A rich mix stored in all three files, recalled into the start-up state and stored
// again must give the same three files byte for byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <unistd.h>

#include "files_io_test_support.h"
#include "files/project_files.h"
#include "state/effects.h"
#include "state/mix_state.h"

namespace {

class RoundTrip : public InTempDir {};

// A small deterministic generator, the same on every platform.
uint32_t seed_state;

uint32_t Next()
{
    seed_state = seed_state * 1664525u + 1013904223u;
    return seed_state >> 8;
}

int Between(int low, int high)
{
    return low + (int)(Next() % (uint32_t)(high - low + 1));
}

bool OneIn(int n)
{
    return Between(1, n) == 1;
}

// A number held at the file's precision: `decimals` digits after the point.
float AtPrecision(int low, int high, int decimals)
{
    int scale = decimals == 3 ? 1000 : decimals == 2 ? 100 : decimals == 1 ? 10 : 1;
    return (float)Between(low * scale, high * scale) / (float)scale;
}

// Printable text without tabs or line ends, at most `size` - 1 characters.
void RandomText(char *text, int size, int minimum)
{
    int length = Between(minimum, size - 1);
    for (int i = 0; i < length; i++)
        text[i] = (char)Between(' ', '~');
    text[length] = 0;
}

void ResetStartUp()
{
    ClearInternalArrays();
    HeadTailArray[0] = HeadTailArray[1] = 0;
    PreviewArray[1] = PreviewArray[2] = PreviewArray[3] = 0;
    color = 97;
}

void FillEffects()
{
    // Channels, submixes and the master; VCAs have no effects.
    for (int slot = 0; slot <= SubmixSlot(GROUP_COUNT); slot++)
        for (const EffectKind &effect : Effects) {
            float *row = effect.table[slot];
            row[0] = OneIn(6) ? 1.0f : 0.0f;
            for (int cell = 1; cell < effect.cells; cell++)
                row[cell] = AtPrecision(-200, 9000, 1);
        }
    Prtn[0] = AtPrecision(-60, 10, 1);
    Prtn[1] = AtPrecision(10, 300, 1);
    for (float &cell : Ptrtn)
        cell = AtPrecision(0, 200, 1);
    Prlp[0] = (float)Between(0, 1);
    Prlp[1] = (float)Between(1000, 20000);
    Prhp[0] = (float)Between(0, 1);
    Prhp[1] = (float)Between(20, 500);
    Prev_width = (float)Between(0, 100);
    for (float &cell : Prev_position)
        cell = (float)Between(0, 100);
}

void FillRouting()
{
    for (int n = 1; n <= GROUP_COUNT; n++) {
        SubOn[n - 1] = Between(0, 1);
        VcaOn[n - 1] = Between(0, 1);
        RandomText(NameBuffer[SubmixSlot(n)], NAME_SIZE, 1);
        RandomText(NameBuffer[VcaSlot(n)], NAME_SIZE, 1);
        MuteArray[SubmixSlot(n)] = Between(0, 1);
        SoloArray[SubmixSlot(n)] = Between(0, 1);
        for (int c = 1; c <= CHANNEL_COUNT; c++) {
            SubAsn[RouteCell(c, n)] = OneIn(3);
            VcaAsn[RouteCell(c, n)] = OneIn(3);
        }
    }
}

void FillAutomation()
{
    for (int slot = 0; slot <= SubmixSlot(GROUP_COUNT); slot++)
        if (slot < VcaSlot(1))
            Pan[slot] = OneIn(3) ? 0.0f : (float)Between(-100, 100);
    // Active indices from 0 up, so their numbering survives.
    int active = Between(20, 60);
    for (int index = 0; index < active; index++) {
        IndexActiveArray[index] = 1;
        IndexMin[index] = (float)Between(0, 90);
        IndexSec[index] = AtPrecision(0, 59, 3);
        IndexMsec[index] = (float)Between(0, 999);
        if (OneIn(3))
            RandomText(CueNameBuffer[index], CUE_SIZE, 2);
        for (int slot = 0; slot < SLOT_COUNT; slot++) {
            if (!OneIn(8))
                continue;
            ChanActive[Cell(slot, index)] = 1;
            Volume[Cell(slot, index)] = AtPrecision(-90, 12, 2);
            if (OneIn(2))
                Offset[Cell(slot, index)] = AtPrecision(-10, 10, 3);
            if (OneIn(2))
                Ramp[Cell(slot, index)] = AtPrecision(0, 20, 3);
            if (OneIn(2))
                Shape[Cell(slot, index)] = AtPrecision(0, 8, 3);
        }
    }
}

void FillTracks()
{
    for (int c = 1; c <= CHANNEL_COUNT; c++) {
        if (!OneIn(5))
            RandomText(NameBuffer[ChannelSlot(c)], NAME_SIZE, 0);
        MuteArray[c] = OneIn(4);
        SoloArray[c] = OneIn(6);
    }
}

void FillPreferences()
{
    PreviewOn = Between(0, 1);
    PreviewArray[0] = AtPrecision(0, 60, 3);
    PreviewArray[1] = AtPrecision(0, 59, 3);
    PreviewArray[2] = (float)Between(0, 999);
    PreviewArray[3] = AtPrecision(0, 600, 3);
    for (float *times : {XinArray, XoutArray})
        for (int i = 0; i < 3; i++)
            times[i] = OneIn(2) ? 0.0f : AtPrecision(0, 59, 3);
    HeadTailArray[0] = AtPrecision(0, 10, 3);
    HeadTailArray[1] = AtPrecision(0, 10, 3);
    for (char *text : {Path, MixDirName, WavDirName, LaunchCommand})
        RandomText(text, PATH_SIZE, 0);
    PanlawStore = (float)Between(1, 60) / 10.0f;
    OutbitsStore = OneIn(2) ? 16 : 24;
    DitherBits = Between(0, 8);
    monoOn = Between(0, 1);
    color = Between(0, 255);
}

const char *const FILES[] = {"faders.txt", "tracks.txt", "prefs.txt"};

void StoreAll()
{
    ASSERT_TRUE(StageWriteToFile());
    ASSERT_TRUE(WriteTracksFile());
    ASSERT_TRUE(WritePreferencesFile());
}

} // namespace

TEST_F(RoundTrip, StoreRecallStoreGivesTheSameFiles)
{
    for (uint32_t seed : {1u, 2u, 3u, 4u}) {
        seed_state = seed;
        ResetStartUp();
        RandomText(MixName, NAME_SIZE, 4);
        FillEffects();
        FillRouting();
        FillAutomation();
        FillTracks();
        FillPreferences();
        for (const char *name : FILES)
            unlink(name);
        StoreAll();
        std::string first[3];
        for (int i = 0; i < 3; i++)
            first[i] = ReadDisk(FILES[i]);

        ResetStartUp();
        ASSERT_GT(RecallFaderFile(), 0);
        ASSERT_TRUE(RecallTracksFile());
        ASSERT_TRUE(RecallPreferencesFile());
        StoreAll();
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(ReadDisk(FILES[i]), first[i]) << FILES[i] << ", seed " << seed;
    }
}
