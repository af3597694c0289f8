// Storing faders.txt: the old file's foreign lines behind a fresh mix-name line, then
// routing, effects, reverb, pans, automation and submix switches, written atomically.
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "state/status_message.h"
#include "files/effect_lines.h"
#include "files/faders_file.h"
#include "files/faders_lines.h"
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

static FaderLoad LoadFaderText(int *size)
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

int ReadFaderFile(FaderLoad *load)
{
    int size = 0;
    FaderLoad outcome = LoadFaderText(&size);
    if (load)
        *load = outcome;
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

// ---- Lines from their rows -----------------------------------------------------------

// The key, then the strip by the row's slot rule: "\tM", "\tG\t%i" or "\t%i" for a
// strip, "\t%i" for a group number; nothing for a line without one.
static void AppendKey(TextOut *out, const FaderLine &line, int slot)
{
    AppendText(out, LineKeyWord(line));
    int number = 0;
    SlotKind kind = KindOfSlot(slot, &number);
    switch (line.slot) {
    case SLOT_NONE:
    case SLOT_ABOVE:
        return;
    case SLOT_GROUP:
        break;
    case SLOT_EFFECT:
    case SLOT_STRIP:
        if (kind == MASTER_KIND) {
            AppendText(out, "\tM");
            return;
        }
        if (kind == SUBMIX_KIND)
            AppendText(out, "\tG");
        break;
    }
    AppendText(out, "\t");
    AppendInt(out, number);
}

// A whole line: key, strip, the row's numbers from `values` with its decimals, line end.
static void AppendLine(TextOut *out, const FaderLine &line, int slot, const float *values)
{
    AppendKey(out, line, slot);
    int digits = (int)strlen(line.decimals);
    for (int i = 0; i < ValueCount(line) && digits > 0; i++) {
        AppendText(out, "\t");
        AppendFloat(out, values[i], line.decimals[digits > 1 ? i : 0] - '0');
    }
    AppendText(out, "\n");
}

// A line whose last field is a text of the state: key, strip, the text, line end.
static void AppendTextLine(TextOut *out, const FaderLine &line, int slot, const char *text,
                           int size)
{
    AppendKey(out, line, slot);
    AppendText(out, "\t");
    AppendOneLine(out, text, TextLength(text, size));
    AppendText(out, "\n");
}

static void AppendEffectsOfSlot(TextOut *out, int slot)
{
    for (int i = 0; i < EFFECT_COUNT; i++) {
        EffectId id = slot == MasterSlot() ? MasterEffectOrder[i] : (EffectId)i;
        const EffectKind &effect = Effects[id];
        if (EffectOn(effect.table[slot]))
            AppendLine(out, FaderLines[LINE_EFFECT + id], slot, effect.table[slot] + 1);
    }
}

int WriteEffectLines(int slot, char *text, int size)
{
    TextOut out = StartText(text, size);
    if (HasEffectChain(slot))
        AppendEffectsOfSlot(&out, slot);
    if (!out.overflow)
        return out.length;
    text[0] = 0;
    return -1;
}

// ---- Routing, effects and reverb ------------------------------------------------------

static void AppendGroups(TextOut *out, const GroupRouting &kind, FaderLineId nameLine,
                         FaderLineId listLine)
{
    for (int group = 0; group < GROUP_COUNT; group++) {
        if (kind.on[group] != 1)
            continue;
        int slot = kind.firstSlot + group;
        AppendTextLine(out, FaderLines[nameLine], slot, NameBuffer[slot], NAME_SIZE);
        AppendKey(out, FaderLines[listLine], slot);
        AppendText(out, "\t");
        const char *separator = "";
        for (int channel = 1; channel <= ROUTING_ROWS; channel++) {
            if (kind.assigned[RouteCell(channel, group + 1)] != 1)
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

// A reverb line of fixed numbers, from the cells its row reads.
static void AppendSetting(TextOut *out, FaderLineId id)
{
    AppendLine(out, FaderLines[id], MasterSlot(), FaderLines[id].values);
}

static void AppendReverb(TextOut *out)
{
    bool reverb = AnySendOn(Prev);
    bool tapReverb = AnySendOn(Ptrev);
    if (reverb)
        AppendSetting(out, LINE_RTN);
    if (tapReverb)
        AppendSetting(out, LINE_TRTN);
    // The filters' frequency follows their on flag.
    for (FaderLineId filter : {LINE_RLP, LINE_RHP})
        if (EffectOn(FaderLines[filter].values))
            AppendLine(out, FaderLines[filter], MasterSlot(), FaderLines[filter].values + 1);
    if (reverb || tapReverb) {
        if (Prev_width >= 0 && Prev_width <= 100)
            AppendSetting(out, LINE_WIDTH);
        AppendSetting(out, LINE_POS);
    }
}

bool AppendBuffer(char *text)
{
    TextOut out = ContinueText(text, FADER_TEXT_SIZE);
    AppendText(&out, "\n");
    AppendGroups(&out, SubmixRouting, LINE_SUBNAME, LINE_SUB);
    AppendText(&out, "\n\n");
    AppendGroups(&out, VcaRouting, LINE_VCANAME, LINE_VCA_LIST);
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
    for (int slot = 1; slot != -1; slot = NextSlotInFileOrder(slot, false))
        if (Pan[slot] != 0.0f)
            AppendLine(out, FaderLines[LINE_PAN], slot, &Pan[slot]);
}

static void AppendVolumeLines(TextOut *out, int slot, int index)
{
    int cell = Cell(slot, index);
    FaderLineId volume = slot >= VcaSlot(1) ? LINE_VCA_VOLUME : LINE_VOLUME;
    AppendLine(out, FaderLines[volume], slot, &Volume[cell]);
    if (Offset[cell] != 0.0f)
        AppendLine(out, FaderLines[LINE_OFFSET], slot, &Offset[cell]);
    if (Ramp[cell] != 0.0f)
        AppendLine(out, FaderLines[LINE_RAMP], slot, &Ramp[cell]);
    if (Shape[cell] != 1.0f)
        AppendLine(out, FaderLines[LINE_SHAPE], slot, &Shape[cell]);
}

static void AppendIndexBlock(TextOut *out, int index)
{
    AppendText(out, "\n");
    if (TextLength(CueNameBuffer[index], CUE_SIZE) >= 2) {
        AppendText(out, "\n");
        AppendTextLine(out, FaderLines[LINE_CUE], MasterSlot(), CueNameBuffer[index], CUE_SIZE);
    }
    AppendText(out, "\n");
    const float time[3] = {IndexMin[index], IndexSec[index], IndexMsec[index]};
    AppendLine(out, FaderLines[LINE_TIME], MasterSlot(), time);
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
    for (FaderLineId id : {LINE_SUBMU, LINE_SUBSO})
        for (int n = 1; n <= GROUP_COUNT; n++)
            if (FaderLines[id].flags[SubmixSlot(n)] == 1) {
                AppendKey(&out, FaderLines[id], SubmixSlot(n));
                AppendText(&out, "\n");
            }
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
    FaderLoad load;
    int size = ReadFaderFile(&load);
    // An old file that cannot be read whole is never replaced: its lines would be lost.
    switch (load) {
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
