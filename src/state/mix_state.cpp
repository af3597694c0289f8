#include "state/mix_state.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstring>

#include "state/effects.h"

float Volume[SLOT_COUNT * INDEX_COUNT];
float Offset[SLOT_COUNT * INDEX_COUNT];
float Ramp[SLOT_COUNT * INDEX_COUNT];
float Shape[SLOT_COUNT * INDEX_COUNT];
int ChanActive[SLOT_COUNT * INDEX_COUNT];

float IndexMin[INDEX_COUNT];
float IndexSec[INDEX_COUNT];
float IndexMsec[INDEX_COUNT];
int IndexActiveArray[INDEX_COUNT];
char CueNameBuffer[INDEX_COUNT][CUE_SIZE];

char NameBuffer[SLOT_COUNT][NAME_SIZE];
int MuteArray[SLOT_COUNT];
int SoloArray[SLOT_COUNT];
float Pan[SLOT_COUNT];

int SubAsn[ROUTING_ROWS * GROUP_COUNT];
int VcaAsn[ROUTING_ROWS * GROUP_COUNT];
int SubOn[GROUP_COUNT];
int VcaOn[GROUP_COUNT];

float Pcomp[SLOT_COUNT][EFFECT_CELLS];
float Prms[SLOT_COUNT][EFFECT_CELLS];
float Pnlc[SLOT_COUNT][EFFECT_CELLS];
float Plim[SLOT_COUNT][EFFECT_CELLS];
float Plshelf[SLOT_COUNT][EFFECT_CELLS];
float Pband1[SLOT_COUNT][EFFECT_CELLS];
float Pband2[SLOT_COUNT][EFFECT_CELLS];
float Phshelf[SLOT_COUNT][EFFECT_CELLS];
float Php[SLOT_COUNT][EFFECT_CELLS];
float Pfxg[SLOT_COUNT][EFFECT_CELLS];
float Prev[SLOT_COUNT][EFFECT_CELLS];
float Ptrev[SLOT_COUNT][EFFECT_CELLS];

float Prtn[2];
float Ptrtn[3];
float Prlp[2];
float Prhp[2];
float Prev_width;
float Prev_position[3];

float PreviewArray[4];
float XinArray[3];
float XoutArray[3];
float HeadTailArray[2];
float PanlawStore;
int OutbitsStore;
int DitherBits;
int monoOn;
int PreviewOn;

char MixName[NAME_SIZE];
char Path[PATH_SIZE];
char WavDirName[PATH_SIZE];
char MixDirName[PATH_SIZE];
char LaunchCommand[PATH_SIZE];
char PlayMode[SHORT_TEXT_SIZE];
char DeviceName[SHORT_TEXT_SIZE];

int CNL = 1;
int BrowseNumber = 1;
int color = 97;

char reserve_fbuff[FADER_TEXT_SIZE];

int ColourIndex(double value)
{
    return !(value > 0) ? 0 : value > 255 ? 255 : int(value);
}

void CopyText(char *dest, int size, const char *text)
{
    if (size <= 0)
        return;
    snprintf(dest, size, "%s", text ? text : "");
}

void CopyOneLine(char *dest, int size, const char *text, int length)
{
    if (size <= 0)
        return;
    int count = length < size - 1 ? length : size - 1;
    for (int i = 0; i < count; i++)
        dest[i] = OnOneLine(text[i]);
    dest[count] = 0;
}

void CopyOneLine(char *dest, int size, const char *text)
{
    if (size <= 0)
        return;
    text = text ? text : "";
    CopyOneLine(dest, size, text, (int)strnlen(text, size - 1));
}

template <typename T, int N>
static void Fill(T (&table)[N], T value)
{
    std::fill(std::begin(table), std::end(table), value);
}

void ClearInternalArrays()
{
    CNL = 1;

    for (const EffectKind &fx : Effects)
        for (int s = 0; s < SLOT_COUNT; s++) {
            fx.table[s][0] = 0.0f;
            for (int c = 1; c < 5; c++)
                fx.table[s][c] = fx.defaults[c - 1];
        }

    Ptrtn[0] = 0; Ptrtn[1] = 150; Ptrtn[2] = 5;
    Prtn[0] = 0; Prtn[1] = 150;
    Prhp[0] = 0; Prhp[1] = 150;
    Prlp[0] = 0; Prlp[1] = 7000;
    Prev_position[0] = 37; Prev_position[1] = 39; Prev_position[2] = 43;
    Prev_width = 50;

    for (int s = 0; s <= CHANNEL_COUNT; s++)
        NameBuffer[s][0] = 0;
    for (int n = 1; n <= GROUP_COUNT; n++) {
        snprintf(NameBuffer[SubmixSlot(n)], NAME_SIZE, "Submix %i", n);
        snprintf(NameBuffer[VcaSlot(n)], NAME_SIZE, "VCA %i", n);
    }
    CopyText(NameBuffer[MasterSlot()], NAME_SIZE, "Master");

    for (char *cue : CueNameBuffer)
        cue[0] = 0;

    Path[0] = MixDirName[0] = WavDirName[0] = LaunchCommand[0] = 0;
    CopyText(MixName, NAME_SIZE, "MixFilename");
    CopyText(DeviceName, SHORT_TEXT_SIZE, "default");

    Fill(Volume, 0.0f);
    Fill(Ramp, 0.0f);
    Fill(Shape, 1.0f);
    Fill(Offset, 0.0f);

    Fill(Pan, 0.0f);
    Fill(IndexMin, 0.0f);
    Fill(IndexSec, 0.0f);
    Fill(IndexMsec, 0.0f);
    Fill(IndexActiveArray, 0);
    IndexActiveArray[0] = 1;

    Fill(ChanActive, 0);
    Fill(SoloArray, 0);
    Fill(MuteArray, 0);
    Fill(SubAsn, 0);
    Fill(VcaAsn, 0);
    Fill(SubOn, 0);
    Fill(VcaOn, 0);

    PreviewOn = 0;
    monoOn = 0;
    PreviewArray[0] = 0.0f;
    Fill(XinArray, 0.0f);
    Fill(XoutArray, 0.0f);
    OutbitsStore = 24;
    PanlawStore = 3.0f;
    memset(PlayMode, 0, 4);
    DitherBits = 1;
}

const char *const SlotWords[4] = {"master", "channel", "submix", "VCA"};

void SlotText(int slot, const char *const (&words)[4], char *out, int size)
{
    int number;
    const SlotKind kind = KindOfSlot(slot, &number);
    if (kind == MASTER_KIND)
        snprintf(out, size_t(size), "%s", words[kind]);
    else
        snprintf(out, size_t(size), "%s %d", words[kind], number);
}
