// The edit script: a few hundred edits drawn from a fixed seed. Most edits land on the first
// few time indices and banks, so that they meet again, and the "auto" and "Active" switches
// are frequent, so that the edits show in the stored files.
#include <cstdarg>

#include "long_session.h"

namespace {

unsigned rng;

// xorshift32: the same sequence on every platform.
unsigned Next()
{
    rng ^= rng << 13;
    rng ^= rng >> 17;
    rng ^= rng << 5;
    return rng;
}

int Pick(int low, int high)
{
    return low + int(Next() % unsigned(high - low + 1));
}

bool Chance(int percent)
{
    return Pick(1, 100) <= percent;
}

const char *Word(const char *const *words, int count)
{
    return words[Pick(0, count - 1)];
}

const char *const NAMES[] = {"Kick", "Snare top", "Bass DI", "Lead Vox", "Gtr L", "Gtr R",
                             "Keys", "Room", "Choir", "Brass 2", "Strings", "Click"};
const char *const CUES[] = {"Intro", "Verse", "Chorus", "Bridge", "Solo", "Outro", "Break"};
const char *const SELECTORS[] = {"channel", "submix", "master"};

FILE *out;
int written;

// One edit: its words separated by tabs.
void Emit(const char *format, ...) __attribute__((format(printf, 1, 2)));
void Emit(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    WriteLine(out, format, args);
    va_end(args);
    written++;
}

// A value with one decimal, never "-0".
double Tenths(int low, int high)
{
    int tenths = Pick(low * 10, high * 10);
    return tenths == 0 ? 0.5 : tenths / 10.0;
}

int Strip(int last) { return Chance(70) ? Pick(1, 4) : Pick(1, last); }

void IndexEdit()
{
    int index = Chance(85) ? Pick(1, 4) : Chance(70) ? Pick(508, 512) : (Chance(50) ? 0 : 600);
    Emit("index\t%d", index);
}

void BankEdit() { Emit("bank\t%d", Chance(60) ? Pick(1, 2) : Pick(1, 13)); }
void VolumeEdit() { Emit("volume\t%d\t%.1f", Strip(13), Chance(95) ? Tenths(-60, 12) : -200.0); }
void OffsetEdit() { Emit("offset\t%d\t%.1f", Strip(13), Tenths(-6, 6)); }
void RampEdit() { Emit("ramp\t%d\t%.1f", Strip(13), Pick(0, 20) / 2.0); }
void PanEdit() { Emit("pan\t%d\t%d", Strip(13), Pick(-100, 100)); }
void AutoEdit() { Emit("auto\t%d", Strip(13)); }
void SoloEdit() { Emit("solo\t%d", Strip(12)); }
void MuteEdit() { Emit("mute\t%d", Strip(12)); }
void ActiveEdit() { Emit("active"); }
void CueEdit() { Emit("cue\t%s %d", Word(CUES, 7), Pick(1, 9)); }
void NameEdit() { Emit("name\t%d\t%s", Strip(12), Word(NAMES, 12)); }
void MixNameEdit() { Emit("mixname\t%s Mix %d", Word(CUES, 7), Pick(1, 99)); }
// An index edit mostly goes to one of the automated first indices and is often followed by
// a volume at the same index, which stores the whole column as the window shows it after
// the edit.
void IndexOperation(const char *operation)
{
    if (Chance(70))
        Emit("index\t%d", Pick(1, 4));
    Emit("%s", operation);
    if (Chance(60))
        VolumeEdit();
}

void InsertEdit() { IndexOperation("insert"); }
void RemoveEdit() { IndexOperation("remove"); }
void PropagateEdit() { IndexOperation("propagate"); }

// Every typed shape is a whole number of quarters; "0" and "-3" are refused at every keystroke.
void ShapeEdit()
{
    if (Chance(90))
        Emit("shape\t%d\t%g", Strip(13), Pick(1, 16) / 4.0);
    else
        Emit("shape\t%d\t%s", Strip(13), Chance(50) ? "0" : "-3");
}

void TimeEdit()
{
    switch (Pick(0, 2)) {
    case 0: Emit("time\tmin\t%d", Pick(1, 9)); break;
    case 1: Emit("time\tsec\t%d.%03d", Pick(0, 59), Pick(1, 999)); break;
    default: Emit("time\tmsec\t%d", Pick(1, 999)); break;
    }
}

void SelectEdit() { Emit("fx\tselect\t%s", Word(SELECTORS, 3)); }
void ChannelEdit() { Emit("fx\tchannel\t%d", Chance(90) ? Pick(1, 12) : Pick(100, 127)); }
void SubmixEdit() { Emit("fx\tsubmix\t%d", Pick(1, 8)); }
void ToggleEdit() { Emit("fx\ttoggle\t%s", Blocks[Pick(0, BLOCK_CONTROLS - 1)].key); }

void SliderEdit()
{
    const BlockControl &b = Blocks[Pick(0, BLOCK_CONTROLS - 1)];
    Emit("fx\tslider\t%s\t%d\t%s\t%d", b.key, Pick(1, b.sliderCount), Chance(50) ? "min" : "max",
         Pick(0, 4));
}

void ReverbEdit()
{
    const ReverbControlRow &r = ReverbRows[Pick(0, REVERB_ROWS - 1)];
    if (r.toggle)
        Emit("rev\ttoggle\t%s", r.key);
    else
        Emit("rev\tslider\t%s\t%s\t%d", r.key, Chance(50) ? "min" : "max", Pick(0, 4));
}

void MatrixEdit()
{
    const char *matrix = Chance(50) ? "sub" : "vca";
    if (Chance(25))
        Emit("matrix\t%s\tbank\t%d", matrix, Chance(70) ? Pick(1, 2) : Pick(1, 24));
    else
        Emit("matrix\t%s\tclick\t%d\t%d", matrix, Pick(1, 5), Pick(1, 8));
}

void PrefsEdit()
{
    switch (Pick(0, 9)) {
    case 0: Emit("pref\tmono"); break;
    case 1: Emit("pref\tbits16"); break;
    case 2: Emit("pref\tbits24"); break;
    case 3: Emit("pref\tpreview_on"); break;
    case 4: Emit("pref\tpreview_off"); break;
    case 5: Emit("pref\tpanlaw\t%.1f", Pick(1, 60) / 10.0); break;
    case 6: Emit("pref\thead\t%d.%03d", Pick(0, 9), Pick(1, 999)); break;
    case 7: Emit("pref\ttail\t%d.%03d", Pick(0, 9), Pick(1, 999)); break;
    case 8: Emit("pref\tdither\t%d", Pick(0, 8)); break;
    default: Emit("pref\tlaunch\trender %s", Word(CUES, 7)); break;
    }
}

struct EditKind {
    int weight;
    void (*emit)();
};

const EditKind KINDS[] = {
    {8, IndexEdit},   {5, BankEdit},      {12, VolumeEdit},    {5, OffsetEdit},
    {4, RampEdit},    {4, ShapeEdit},     {5, PanEdit},        {9, AutoEdit},
    {3, SoloEdit},    {3, MuteEdit},      {4, TimeEdit},       {4, ActiveEdit},
    {2, CueEdit},     {3, NameEdit},      {1, MixNameEdit},    {2, InsertEdit},
    {2, RemoveEdit},  {2, PropagateEdit}, {3, SelectEdit},     {3, ChannelEdit},
    {2, SubmixEdit},  {5, ToggleEdit},    {5, SliderEdit},     {4, ReverbEdit},
    {8, MatrixEdit},  {4, PrefsEdit},
};

void RandomEdit()
{
    int total = 0;
    for (const EditKind &k : KINDS)
        total += k.weight;
    int pick = Pick(1, total);
    for (const EditKind &k : KINDS) {
        pick -= k.weight;
        if (pick <= 0) {
            k.emit();
            return;
        }
    }
}

} // namespace

// The whole-file operations come at fixed places: a Recall All of the starting files, Store
// All every 25 edits, a Recall All after some of those stores, Mix every 150, a last store.
void WriteEditScript(unsigned seed, int count, FILE *file)
{
    rng = seed ? seed : 1;
    out = file;
    written = 0;
    Emit("recall");
    for (int n = 1; written < count - 1; n++) {
        if (n % 25 == 0)
            Emit("store");
        else if (n % 100 == 51)
            Emit("recall");
        else if (n % 150 == 90)
            Emit("mix");
        else
            RandomEdit();
    }
    Emit("store");
}
