#include "summary.h"

#include "state/effects.h"
#include "state/mix_state.h"

namespace {

// Cue points where the slot has its own automation values.
int AutomatedIndices(int slot)
{
    int count = 0;
    for (int index = 0; index < INDEX_COUNT; index++)
        count += IndexActiveArray[index] == 1 && ChanActive[Cell(slot, index)] == 1;
    return count;
}

void PrintStripState(FILE *out, int slot)
{
    if (MuteArray[slot])
        fprintf(out, "  mute");
    if (SoloArray[slot])
        fprintf(out, "  solo");
    if (int automated = AutomatedIndices(slot))
        fprintf(out, "  automated at %d cue point%s", automated, automated == 1 ? "" : "s");
    fprintf(out, "\n");
}

void PrintMembers(FILE *out, const int *assignment, int group)
{
    const char *separator = "";
    fprintf(out, "  channels ");
    for (int channel = 1; channel <= CHANNEL_COUNT; channel++) {
        if (assignment[RouteCell(channel, group)] == 1) {
            fprintf(out, "%s%d", separator, channel);
            separator = ",";
        }
    }
    if (!*separator)
        fprintf(out, "none");
}

void PrintCuePoints(FILE *out)
{
    fprintf(out, "cue points:\n");
    for (int index = 0; index < INDEX_COUNT; index++) {
        if (IndexActiveArray[index] != 1)
            continue;
        fprintf(out, "  %3d  time %.0f %.3f %.0f", index + 1, IndexMin[index], IndexSec[index], IndexMsec[index]);
        if (CueNameBuffer[index][0])
            fprintf(out, "  \"%s\"", CueNameBuffer[index]);
        fprintf(out, "\n");
    }
}

bool ChannelInUse(int channel)
{
    int slot = ChannelSlot(channel);
    return NameBuffer[slot][0] || MuteArray[slot] || SoloArray[slot] || AutomatedIndices(slot);
}

void PrintChannels(FILE *out)
{
    fprintf(out, "channels:\n");
    for (int channel = 1; channel <= CHANNEL_COUNT; channel++) {
        if (!ChannelInUse(channel))
            continue;
        fprintf(out, "  %3d  \"%s\"", channel, NameBuffer[ChannelSlot(channel)]);
        PrintStripState(out, ChannelSlot(channel));
    }
}

// Submixes and VCAs: the groups in use, their names, members and switches.
void PrintGroups(FILE *out, const char *title, const int *on, const int *assignment, int (*slot_of)(int))
{
    fprintf(out, "%s:\n", title);
    for (int group = 1; group <= GROUP_COUNT; group++) {
        if (on[group - 1] != 1)
            continue;
        fprintf(out, "  %3d  \"%s\"", group, NameBuffer[slot_of(group)]);
        PrintMembers(out, assignment, group);
        PrintStripState(out, slot_of(group));
    }
}

void PrintEffectsOf(FILE *out, int slot, const char *strip)
{
    const char *separator = "";
    for (const EffectKind &effect : Effects) {
        if (!EffectOn(effect.table[slot]))
            continue;
        if (!*separator)
            fprintf(out, "  %s:", strip);
        fprintf(out, " %s", effect.key);
        separator = " ";
    }
    if (*separator)
        fprintf(out, "\n");
}

void PrintEffects(FILE *out)
{
    char strip[32];
    fprintf(out, "effects in use:\n");
    PrintEffectsOf(out, MasterSlot(), "master");
    for (int channel = 1; channel <= CHANNEL_COUNT; channel++) {
        snprintf(strip, sizeof strip, "channel %d", channel);
        PrintEffectsOf(out, ChannelSlot(channel), strip);
    }
    for (int submix = 1; submix <= GROUP_COUNT; submix++) {
        snprintf(strip, sizeof strip, "submix %d", submix);
        PrintEffectsOf(out, SubmixSlot(submix), strip);
    }
}

void PrintOutput(FILE *out)
{
    fprintf(out, "output:\n");
    fprintf(out, "  %d bit, dither %d, %s, pan law %.1f\n", OutbitsStore, DitherBits,
            monoOn ? "mono" : "stereo", PanlawStore);
    fprintf(out, "  preview %s, start %.3f %.3f %.0f, length %.3f\n", PreviewOn == 1 ? "on" : "off",
            PreviewArray[0], PreviewArray[1], PreviewArray[2], PreviewArray[3]);
    fprintf(out, "  crossfade in %.3f %.3f %.3f, out %.3f %.3f %.3f\n", XinArray[0], XinArray[1],
            XinArray[2], XoutArray[0], XoutArray[1], XoutArray[2]);
    fprintf(out, "  head %.3f, tail %.3f\n", HeadTailArray[0], HeadTailArray[1]);
    fprintf(out, "  wave files \"%s\", mix directory \"%s\", launch \"%s\"\n", WavDirName, MixDirName,
            LaunchCommand);
}

} // namespace

void PrintSummary(FILE *out)
{
    fprintf(out, "tolvex: mix \"%s\"\n", MixName);
    PrintCuePoints(out);
    PrintChannels(out);
    PrintGroups(out, "submixes", SubOn, SubAsn, SubmixSlot);
    PrintGroups(out, "VCAs", VcaOn, VcaAsn, VcaSlot);
    PrintEffects(out);
    PrintOutput(out);
}
