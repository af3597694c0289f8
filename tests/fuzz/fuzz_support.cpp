#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

#include "state/effects.h"
#include "state/mix_state.h"

void ResetState()
{
    ClearInternalArrays();
    HeadTailArray[0] = HeadTailArray[1] = 0;
    PreviewArray[1] = PreviewArray[2] = PreviewArray[3] = 0;
    color = 97;
    BrowseNumber = 1;
}

char *TerminatedCopy(const uint8_t *data, size_t size, size_t limit)
{
    if (size > limit - 1)
        size = limit - 1;
    char *text = (char *)malloc(size + 1);
    memcpy(text, data, size);
    text[size] = 0;
    return text;
}

static void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

static void RequireSwitches(const int *cells, int count)
{
    for (int i = 0; i < count; i++)
        Require(cells[i] == 0 || cells[i] == 1);
}

static void RequireTerminated(const char *text, int size)
{
    Require(memchr(text, 0, size) != nullptr);
}

void CheckState()
{
    RequireSwitches(ChanActive, SLOT_COUNT * INDEX_COUNT);
    RequireSwitches(IndexActiveArray, INDEX_COUNT);
    RequireSwitches(MuteArray, SLOT_COUNT);
    RequireSwitches(SoloArray, SLOT_COUNT);
    RequireSwitches(SubAsn, ROUTING_ROWS * GROUP_COUNT);
    RequireSwitches(VcaAsn, ROUTING_ROWS * GROUP_COUNT);
    RequireSwitches(SubOn, GROUP_COUNT);
    RequireSwitches(VcaOn, GROUP_COUNT);
    RequireSwitches(&PreviewOn, 1);
    RequireSwitches(&monoOn, 1);
    for (const EffectKind &effect : Effects)
        for (int slot = 0; slot < SLOT_COUNT; slot++)
            Require(effect.table[slot][0] == 0.0f || effect.table[slot][0] == 1.0f);
    Require(Prlp[0] == 0.0f || Prlp[0] == 1.0f);
    Require(Prhp[0] == 0.0f || Prhp[0] == 1.0f);
    for (int slot = 0; slot < SLOT_COUNT; slot++)
        RequireTerminated(NameBuffer[slot], NAME_SIZE);
    for (int index = 0; index < INDEX_COUNT; index++)
        RequireTerminated(CueNameBuffer[index], CUE_SIZE);
    RequireTerminated(MixName, NAME_SIZE);
    for (const char *path : {Path, WavDirName, MixDirName, LaunchCommand})
        RequireTerminated(path, PATH_SIZE);
    RequireTerminated(DeviceName, SHORT_TEXT_SIZE);
}

void SilenceStandardOutput()
{
    Require(freopen("/dev/null", "w", stdout) != nullptr);
}

static char scratch[64];

static void RemoveScratchDirectory()
{
    for (const char *name : {"faders.txt", "tracks.txt", "prefs.txt"})
        unlink(name);
    rmdir(scratch);
}

void EnterScratchDirectory()
{
    char *dir = scratch;
    strcpy(dir, "/dev/shm/veltrane-fuzz-XXXXXX");
    if (!mkdtemp(dir)) {
        strcpy(dir, "/tmp/veltrane-fuzz-XXXXXX");
        Require(mkdtemp(dir) != nullptr);
    }
    Require(chdir(dir) == 0);
    atexit(RemoveScratchDirectory);
    SilenceStandardOutput();
}
