// The mix being edited: fixed-size global tables, no heap.
//
// Slots: 0 master, 1..127 channels, 128..135 submixes 1..8, 136..143 VCAs 1..8.
// Automation tables are slot-major: slot s at time index i is element s * 512 + i.
#pragma once

enum {
    INDEX_COUNT = 512,          // time indices (cue points), 0..511
    SLOT_COUNT = 144,           // master, 127 channels, 8 submixes, 8 VCAs
    CHANNEL_COUNT = 127,
    GROUP_COUNT = 8,            // submixes, and likewise VCAs
    ROUTING_ROWS = 128,         // rows of SubAsn / VcaAsn: row r is channel r + 1
    EFFECT_CELLS = 8,           // floats per effect row
    NAME_SIZE = 128,
    CUE_SIZE = 64,
    PATH_SIZE = 256,
    SHORT_TEXT_SIZE = 32,       // PlayMode, DeviceName
    FADER_TEXT_SIZE = 262144,   // reserve_fbuff
};

// Slot numbering, written once.
inline int MasterSlot() { return 0; }
inline int ChannelSlot(int channel) { return channel; }
inline int SubmixSlot(int submix) { return CHANNEL_COUNT + submix; }
inline int VcaSlot(int vca) { return CHANNEL_COUNT + GROUP_COUNT + vca; }
inline bool IsSlot(int slot) { return slot >= 0 && slot < SLOT_COUNT; }
inline bool IsIndex(int index) { return index >= 0 && index < INDEX_COUNT; }
inline bool IsGroupNumber(int n) { return n >= 1 && n <= GROUP_COUNT; }
// The other way round: which kind of strip a slot stands for, and its number within the
// kind (channel, submix or VCA number; 0 for the master).
enum SlotKind { MASTER_KIND, CHANNEL_KIND, SUBMIX_KIND, VCA_KIND };
inline SlotKind KindOfSlot(int slot, int *number)
{
    if (slot >= VcaSlot(1)) {
        *number = slot - VcaSlot(0);
        return VCA_KIND;
    }
    if (slot >= SubmixSlot(1)) {
        *number = slot - SubmixSlot(0);
        return SUBMIX_KIND;
    }
    *number = slot;
    return slot == MasterSlot() ? MASTER_KIND : CHANNEL_KIND;
}
// Names a slot as "<word> <number>" (the master: its word alone), with one word per kind in
// SlotKind order ({"master", "channel", "submix", "VCA"}).
void SlotText(int slot, const char *const (&words)[4], char *out, int size);
// The words of the status line and the undo history: "channel 12", "submix 3", "master".
extern const char *const SlotWords[4];
// Element of slot s at time index i in an automation table.
inline int Cell(int slot, int index) { return slot * INDEX_COUNT + index; }
// Element of channel c and submix/VCA n in SubAsn / VcaAsn.
inline int RouteCell(int channel, int group) { return (channel - 1) * GROUP_COUNT + (group - 1); }

// Automation, per slot and time index.
extern float Volume[SLOT_COUNT * INDEX_COUNT];
extern float Offset[SLOT_COUNT * INDEX_COUNT];
extern float Ramp[SLOT_COUNT * INDEX_COUNT];
extern float Shape[SLOT_COUNT * INDEX_COUNT];
extern int ChanActive[SLOT_COUNT * INDEX_COUNT];

// Per time index.
extern float IndexMin[INDEX_COUNT];
extern float IndexSec[INDEX_COUNT];
extern float IndexMsec[INDEX_COUNT];
extern int IndexActiveArray[INDEX_COUNT];
extern char CueNameBuffer[INDEX_COUNT][CUE_SIZE];

// Per slot.
extern char NameBuffer[SLOT_COUNT][NAME_SIZE];
extern int MuteArray[SLOT_COUNT];
extern int SoloArray[SLOT_COUNT];
extern float Pan[SLOT_COUNT];

// Routing.
extern int SubAsn[ROUTING_ROWS * GROUP_COUNT];
extern int VcaAsn[ROUTING_ROWS * GROUP_COUNT];
extern int SubOn[GROUP_COUNT];
extern int VcaOn[GROUP_COUNT];

// Effects: 144 rows of 8 cells; cell 0 is the on flag (0.0 / 1.0).
extern float Pcomp[SLOT_COUNT][EFFECT_CELLS];
extern float Prms[SLOT_COUNT][EFFECT_CELLS];
extern float Pnlc[SLOT_COUNT][EFFECT_CELLS];
extern float Plim[SLOT_COUNT][EFFECT_CELLS];
extern float Plshelf[SLOT_COUNT][EFFECT_CELLS];
extern float Pband1[SLOT_COUNT][EFFECT_CELLS];
extern float Pband2[SLOT_COUNT][EFFECT_CELLS];
extern float Phshelf[SLOT_COUNT][EFFECT_CELLS];
extern float Php[SLOT_COUNT][EFFECT_CELLS];
extern float Pfxg[SLOT_COUNT][EFFECT_CELLS];
extern float Prev[SLOT_COUNT][EFFECT_CELLS];
extern float Ptrev[SLOT_COUNT][EFFECT_CELLS];

// Master reverb.
extern float Prtn[2];
extern float Ptrtn[3];
extern float Prlp[2];
extern float Prhp[2];
extern float Prev_width;
extern float Prev_position[3];

// Output and preview settings.
extern float PreviewArray[4];
extern float XinArray[3];
extern float XoutArray[3];
extern float HeadTailArray[2];
extern float PanlawStore;
extern int OutbitsStore;
extern int DitherBits;
extern int monoOn;
extern int PreviewOn;

// Names and paths.
extern char MixName[NAME_SIZE];
extern char Path[PATH_SIZE];
extern char WavDirName[PATH_SIZE];
extern char MixDirName[PATH_SIZE];
extern char LaunchCommand[PATH_SIZE];
extern char PlayMode[SHORT_TEXT_SIZE];
extern char DeviceName[SHORT_TEXT_SIZE];

// Selection and interface scalars.
extern int CNL;
extern int BrowseNumber;
extern int color;
// A window colour as the state keeps it: a toolkit colour index, 0 to 255.
int ColourIndex(double value);

// The text of faders.txt between the steps of a store or a recall.
extern char reserve_fbuff[FADER_TEXT_SIZE];

// Puts every table into its start-up defaults (run once, before the windows exist).
void ClearInternalArrays();

// Copies text into a fixed buffer, cut to fit and always terminated.
void CopyText(char *dest, int size, const char *text);

// Every text of the state (names, cue names, the mix name, paths, the launch command)
// stands on one line of a project file, so it holds no line break: a CR or LF that is
// typed, pasted, chosen or read is kept as a space.
inline char OnOneLine(char c) { return c == '\r' || c == '\n' ? ' ' : c; }
// CopyText for such a text.
void CopyOneLine(char *dest, int size, const char *text);
// The same for the first `length` bytes of `text`, which needs no terminator.
void CopyOneLine(char *dest, int size, const char *text, int length);
