// Storing faders.txt: the old file's foreign lines behind a fresh mix-name line, then
// routing, effects, reverb, pans, automation and submix switches, written atomically.
#include <cstdio>
#include <cstring>

#include "state/status_message.h"
#include "files/effect_lines.h"
#include "files/faders_file.h"
#include "files/file_io.h"
#include "files/project_files.h"
#include "files/text_lines.h"
#include "files/text_out.h"
#include "state/effects.h"

const char FADERS_FILE[] = "faders.txt";

// ---- Loading the old file -------------------------------------------------------------

// `action` names the attempt in the status line: "write" or "create".
static bool SaveFaderText(const char *text, int length, const char *action)
{
    char reason[SAVE_REASON_SIZE];
    if (SaveTextAtomically(FADERS_FILE, text, length, reason, sizeof reason))
        return true;
    SetStatus("Could not %s %s: %s", action, FADERS_FILE, reason);
    return false;
}

// A name or cue text as stored, cut to its buffer even if the buffer lost its terminator.
static int TextLength(const char *text, int size)
{
    return (int)strnlen(text, size - 1);
}

// Line 1 of every faders text: the mix name, cut to its buffer.
static void AppendMixNameLine(TextOut *out)
{
    AppendOneLine(out, MixName, TextLength(MixName, NAME_SIZE));
    AppendText(out, "\n");
}

// Starts reserve_fbuff with the mix-name line alone.
static void StartWithMixName()
{
    TextOut out = StartText(reserve_fbuff, FADER_TEXT_SIZE);
    AppendMixNameLine(&out);
}

// Leaves the new file's text, the mix-name line, in reserve_fbuff.
bool MakeNewFile()
{
    if (!MixName[0])
        CopyText(MixName, NAME_SIZE, "mixFilename");
    StartWithMixName();
    return SaveFaderText(reserve_fbuff, (int)strlen(reserve_fbuff), "create");
}

FaderLoad LoadFaderText(int *size)
{
    LoadResult result = LoadWholeFile(FADERS_FILE, reserve_fbuff, FADER_TEXT_SIZE, size);
    switch (result) {
    case LOAD_OK:
        return FADERS_LOADED;
    case LOAD_MISSING:
        if (!MakeNewFile())
            return FADERS_NOT_CREATED;
        SetStatus("Created new %s file", FADERS_FILE);
        return FADERS_CREATED;
    case LOAD_EMPTY:
        puts("faders.txt file is empty");
        reserve_fbuff[0] = 0;
        return FADERS_EMPTY;
    case LOAD_TOO_LARGE:
        printf("faders.txt is larger than %i bytes\n", FADER_FILE_LIMIT);
        break;
    case LOAD_READ_ERROR:
        puts("fader file read error");
        break;
    }
    // Nothing of an earlier operation may pass for the file's text.
    reserve_fbuff[0] = 0;
    return result == LOAD_TOO_LARGE ? FADERS_TOO_LARGE : FADERS_UNREAD;
}

int ReadFaderFile()
{
    int size = 0;
    LoadFaderText(&size);
    return size;
}

// ---- Foreign lines --------------------------------------------------------------------

bool ScrubEffects(char *text)
{
    static char scrubbed[FADER_TEXT_SIZE];
    TextOut out = StartText(scrubbed, sizeof scrubbed);
    AppendMixNameLine(&out);
    if (!AppendForeignLines(&out, text, FIRST_LINE_DROPPED))
        return false;
    memcpy(text, scrubbed, out.length + 1);
    return true;
}

// ---- Line formats ---------------------------------------------------------------------

// How a line names its slot after the key: "\t%i" (channel, or VCA number after "vca"),
// "\tG\t%i" (submix) or "\tM" (master).
static void AppendSlot(TextOut *out, int slot)
{
    if (slot == MasterSlot()) {
        AppendText(out, "\tM");
    } else if (slot <= CHANNEL_COUNT) {
        AppendText(out, "\t");
        AppendInt(out, slot);
    } else if (slot <= SubmixSlot(GROUP_COUNT)) {
        AppendText(out, "\tG\t");
        AppendInt(out, slot - SubmixSlot(0));
    } else {
        AppendText(out, "\t");
        AppendInt(out, slot - VcaSlot(0));
    }
}

// A tab and a number with `decimals` decimals.
static void AppendValue(TextOut *out, float value, int decimals)
{
    AppendText(out, "\t");
    AppendFloat(out, value, decimals);
}

// A whole line: key, one value, line end.
static void AppendKeyValue(TextOut *out, const char *key, float value, int decimals)
{
    AppendText(out, key);
    AppendValue(out, value, decimals);
    AppendText(out, "\n");
}

static void AppendEffectLine(TextOut *out, const EffectKind &effect, int slot)
{
    const float *row = effect.table[slot];
    AppendText(out, effect.key);
    AppendSlot(out, slot);
    for (int cell = 1; cell < effect.cells; cell++)
        AppendValue(out, row[cell], 1);
    AppendText(out, "\n");
}

static void AppendEffectsOfSlot(TextOut *out, int slot)
{
    for (int i = 0; i < EFFECT_COUNT; i++) {
        const EffectKind &effect = Effects[slot == MasterSlot() ? MasterEffectOrder[i] : i];
        if (EffectOn(effect.table[slot]))
            AppendEffectLine(out, effect, slot);
    }
}

int WriteEffectLines(int slot, char *text, int size)
{
    TextOut out = StartText(text, size);
    if (IsSlot(slot))
        AppendEffectsOfSlot(&out, slot);
    if (!out.overflow)
        return out.length;
    text[0] = 0;
    return -1;
}

// ---- Routing, effects and reverb ------------------------------------------------------

struct GroupKind {
    const char *nameFormat;     // "subname\t%i\t", then the name
    const char *listFormat;     // "sub\t%i\t"
    const int *on;
    const int *assigned;
    int firstSlot;              // slot of group 1
};

static const GroupKind Groups[2] = {
    {"subname\t%i\t", "sub\t%i\t", SubOn, SubAsn, SubmixSlot(1)},
    {"vcaname\t%i\t", "VCA:\t%i\t", VcaOn, VcaAsn, VcaSlot(1)},
};

static void AppendGroups(TextOut *out, const GroupKind &kind)
{
    for (int n = 1; n <= GROUP_COUNT; n++) {
        if (kind.on[n - 1] != 1)
            continue;
        const char *name = NameBuffer[kind.firstSlot + n - 1];
        AppendFormat(out, kind.nameFormat, n);
        AppendOneLine(out, name, TextLength(name, NAME_SIZE));
        AppendText(out, "\n");
        AppendFormat(out, kind.listFormat, n);
        const char *separator = "";
        for (int channel = 1; channel <= ROUTING_ROWS; channel++) {
            if (kind.assigned[RouteCell(channel, n)] != 1)
                continue;
            AppendText(out, separator);
            AppendInt(out, channel);
            separator = ",";
        }
        AppendText(out, "\n");
    }
}

static bool AnySendOn(const float (*table)[EFFECT_CELLS])
{
    for (int slot = 0; slot < SLOT_COUNT; slot++)
        if (EffectOn(table[slot]))
            return true;
    return false;
}

static void AppendReverb(TextOut *out)
{
    bool reverb = AnySendOn(Prev);
    bool tapReverb = AnySendOn(Ptrev);
    if (reverb)
        AppendFormat(out, "rtn\t%.1f\t%.1f\n", Prtn[0], Prtn[1]);
    if (tapReverb)
        AppendFormat(out, "trtn\t%.1f\t%.1f\t%.1f\n", Ptrtn[0], Ptrtn[1], Ptrtn[2]);
    if (EffectOn(Prlp))
        AppendFormat(out, "rlp\t%.0f\n", Prlp[1]);
    if (EffectOn(Prhp))
        AppendFormat(out, "rhp\t%.0f\n", Prhp[1]);
    if (reverb || tapReverb) {
        if (Prev_width >= 0 && Prev_width <= 100)
            AppendFormat(out, "width\t%.0f\n", Prev_width);
        AppendFormat(out, "pos\t%.0f\t%.0f\t%.0f\n",
                     Prev_position[0], Prev_position[1], Prev_position[2]);
    }
}

bool AppendBuffer(char *text)
{
    TextOut out = ContinueText(text, FADER_TEXT_SIZE);
    AppendText(&out, "\n");
    AppendGroups(&out, Groups[0]);
    AppendText(&out, "\n\n");
    AppendGroups(&out, Groups[1]);
    AppendText(&out, "\n");
    for (int slot = ChannelSlot(1); slot <= ChannelSlot(CHANNEL_COUNT); slot++)
        AppendEffectsOfSlot(&out, slot);
    AppendText(&out, "\n");
    for (int n = 1; n <= GROUP_COUNT; n++)
        AppendEffectsOfSlot(&out, SubmixSlot(n));
    AppendText(&out, "\n");
    AppendEffectsOfSlot(&out, MasterSlot());
    AppendText(&out, "\n");
    AppendReverb(&out);
    AppendText(&out, "\n");
    return !out.overflow;
}

// ---- Pans, automation, submix switches ------------------------------------------------

// Slots in file order: channels, submixes, VCAs (when asked), the master last.
static int NextSlotInFileOrder(int slot, bool withVcas)
{
    int last = withVcas ? VcaSlot(GROUP_COUNT) : SubmixSlot(GROUP_COUNT);
    if (slot == MasterSlot())
        return -1;
    return slot < last ? slot + 1 : MasterSlot();
}

static void AppendPans(TextOut *out)
{
    for (int slot = 1; slot != -1; slot = NextSlotInFileOrder(slot, false)) {
        if (Pan[slot] == 0.0f)
            continue;
        AppendText(out, "p");
        AppendSlot(out, slot);
        AppendValue(out, Pan[slot], 0);
        AppendText(out, "\n");
    }
}

static void AppendVolumeLines(TextOut *out, int slot, int index)
{
    int cell = Cell(slot, index);
    AppendText(out, slot >= VcaSlot(1) ? "vca" : "v");
    AppendSlot(out, slot);
    AppendValue(out, Volume[cell], 2);
    AppendText(out, "\n");
    if (Offset[cell] != 0.0f)
        AppendKeyValue(out, "ofs", Offset[cell], 3);
    if (Ramp[cell] != 0.0f)
        AppendKeyValue(out, "rmp", Ramp[cell], 3);
    if (Shape[cell] != 1.0f)
        AppendKeyValue(out, "shape", Shape[cell], 3);
}

static void AppendIndexBlock(TextOut *out, int index)
{
    AppendText(out, "\n");
    const char *cue = CueNameBuffer[index];
    int cueLength = TextLength(cue, CUE_SIZE);
    if (cueLength >= 2) {
        AppendText(out, "\ncue\t");
        AppendOneLine(out, cue, cueLength);
        AppendText(out, "\n");
    }
    AppendText(out, "\nt");
    AppendValue(out, IndexMin[index], 0);
    AppendValue(out, IndexSec[index], 3);
    AppendValue(out, IndexMsec[index], 0);
    AppendText(out, "\n");
    for (int slot = 1; slot != -1; slot = NextSlotInFileOrder(slot, true))
        if (ChanActive[Cell(slot, index)] == 1)
            AppendVolumeLines(out, slot, index);
}

bool VolumeDivavToText(char *text)
{
    TextOut out = ContinueText(text, FADER_TEXT_SIZE);
    AppendText(&out, "\n");
    AppendPans(&out);
    AppendText(&out, "\n");
    for (int index = 0; index < INDEX_COUNT && !out.overflow; index++)
        if (IndexActiveArray[index] == 1)
            AppendIndexBlock(&out, index);
    AppendText(&out, "\n");
    for (int n = 1; n <= GROUP_COUNT; n++)
        if (MuteArray[SubmixSlot(n)] == 1)
            AppendFormat(&out, "submu\t%i\n", n);
    for (int n = 1; n <= GROUP_COUNT; n++)
        if (SoloArray[SubmixSlot(n)] == 1)
            AppendFormat(&out, "subso\t%i\n", n);
    AppendText(&out, "end\n");
    return !out.overflow;
}

// ---- The store ------------------------------------------------------------------------

int WriteFaderFile(const char *text)
{
    int length = (int)strlen(text);
    return SaveFaderText(text, length, "write") ? length : 0;
}

// After the scrub step the old file's foreign lines follow the mix-name line.
static bool HasLinesAfterFirst(const char *text)
{
    const char *end = strchr(text, '\n');
    return end && end[1];
}

// Appends the mix to the text in reserve_fbuff; true when the whole file fits its limit.
static bool ComposedTextFits()
{
    if (!AppendBuffer(reserve_fbuff) || !VolumeDivavToText(reserve_fbuff))
        return false;
    return DiskSize(reserve_fbuff, (int)strlen(reserve_fbuff)) <= FADER_FILE_LIMIT;
}

bool StageWriteToFile()
{
    int size = 0;
    // An old file that cannot be read whole is never replaced: its lines would be lost.
    switch (LoadFaderText(&size)) {
    case FADERS_TOO_LARGE:
        SetStatus("Could not write %s: the old file is larger than %i bytes", FADERS_FILE,
                  FADER_FILE_LIMIT);
        return false;
    case FADERS_UNREAD:
        SetStatus("Could not write %s: the old file cannot be read", FADERS_FILE);
        return false;
    default:
        break;
    }
    bool kept = size != 0 ? ScrubEffects(reserve_fbuff) : true;
    if (size == 0)
        StartWithMixName();
    bool foreign = !kept || HasLinesAfterFirst(reserve_fbuff);
    if (!kept || !ComposedTextFits()) {
        // The reason names what is in the way: the mix alone, or the lines kept for it.
        StartWithMixName();
        if (foreign && ComposedTextFits())
            SetStatus("Could not write %s: the foreign lines kept from the old file leave too "
                      "little room for the mix", FADERS_FILE);
        else
            SetStatus("Could not write %s: the mix needs more than the %i bytes a file may hold",
                      FADERS_FILE, FADER_FILE_LIMIT);
        return false;
    }
    int length = (int)strlen(reserve_fbuff);
    if (!SaveFaderText(reserve_fbuff, length, "write"))
        return false;
    SetStatus("Wrote %i bytes to %s", length, FADERS_FILE);
    return true;
}
