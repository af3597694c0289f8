// The model: the same edits applied straight to the mix state, through the faders window's
// strip-to-slot rule and the windows' rules for what a control stores, with the real file
// operations for Store All, Recall All and the stores of Mix.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "state/bank.h"
#include "files/project_files.h"
#include "long_session.h"
#include "state/index_edit.h"

namespace {

// What the windows show besides the state: the faders window's index and bank, the effects
// window's selectors and spinners, the matrices' banks.
struct View {
    int index = 0;
    int bank = 1;
    bool channel = true, submix = false, master = false;
    int regularNum = 1, groupNum = 1;
    int subBank = 1, vcaBank = 1;
    int stores = 0;
    std::string dir;
};
View view;

double Clamp(double v, double low, double high) { return v < low ? low : v > high ? high : v; }
// A spinner clamps a typed number into its range; the typed text is read with atof.
int SpinnerValue(const std::string &typed, int low, int high) { return int(Clamp(atof(typed.c_str()), low, high)); }

bool Finite(double v) { return std::isfinite(v) && std::fabs(v) <= 3.4e38; }
void StoreFloat(float &cell, double v)
{
    if (Finite(v))
        cell = float(v);
}

bool FlagIsOn(float flag) { return std::fabs(flag) >= 1.0f; }
float Toggled(float flag) { return FlagIsOn(flag) ? 0.0f : 1.0f; }
void Normalise(float &flag) { flag = FlagIsOn(flag) ? 1.0f : 0.0f; }

// ---- the faders window ----

// A switch column stores every strip of the bank as the buttons show it (on or off) and
// the clicked one flipped.
void ToggleStrip(int *table, int strip, bool perIndex)
{
    int clicked = -1;
    for (int s = 1; s <= STRIP_COUNT; s++) {
        const int slot = StripSlot(s, view.bank);
        if (slot < 0 || (!perIndex && s == MASTER_STRIP))
            continue;
        int &cell = table[perIndex ? Cell(slot, view.index) : slot];
        cell = cell != 0;
        if (s == strip)
            clicked = slot;
    }
    if (clicked >= 0) {
        int &cell = table[perIndex ? Cell(clicked, view.index) : clicked];
        cell = !cell;
    }
}

// A typed number of one strip, stored when the field's test accepts it.
void TypedStrip(float *table, bool perIndex, int strip, double v, bool accepted)
{
    const int slot = StripSlot(strip, view.bank);
    if (slot >= 0 && accepted)
        StoreFloat(table[perIndex ? Cell(slot, view.index) : slot], v);
}

bool StripEdit(const Edit &e)
{
    const int strip = atoi(e[1].c_str());
    const char *text = e.size() > 2 ? e[2].c_str() : "";
    const double typed = strtod(text, nullptr);
    if (e[0] == "volume")
        TypedStrip(Volume, true, strip, Clamp(atof(text), -144, 12), true);
    else if (e[0] == "offset")
        TypedStrip(Offset, true, strip, typed, true);
    else if (e[0] == "ramp")
        TypedStrip(Ramp, true, strip, typed, typed >= 0);
    else if (e[0] == "shape")
        TypedStrip(Shape, true, strip, typed, typed > 0);
    else if (e[0] == "pan") {
        const double whole = strtol(text, nullptr, 0);     // the pan field reads whole numbers
        TypedStrip(Pan, false, strip, whole, whole >= -100 && whole <= 100);
    } else if (e[0] == "auto")
        ToggleStrip(ChanActive, strip, true);
    else if (e[0] == "solo")
        ToggleStrip(SoloArray, strip, false);
    else if (e[0] == "mute")
        ToggleStrip(MuteArray, strip, false);
    else if (e[0] == "name") {
        const int slot = StripSlot(strip, view.bank);
        if (slot >= 0 && strip != MASTER_STRIP)
            CopyText(NameBuffer[slot], NAME_SIZE, text);
    } else
        return false;
    return true;
}

bool FadersEdit(const Edit &e)
{
    const int i = view.index;
    if (e[0] == "index")
        view.index = SpinnerValue(e[1], 1, INDEX_COUNT) - 1;
    else if (e[0] == "bank")
        view.bank = SpinnerValue(e[1], 1, BANK_COUNT);
    else if (e[0] == "active")
        IndexActiveArray[i] = !IndexActiveArray[i];
    else if (e[0] == "cue")
        CopyText(CueNameBuffer[i], CUE_SIZE, e[1].c_str());
    else if (e[0] == "mixname")
        CopyText(MixName, NAME_SIZE, e[1].c_str());
    else if (e[0] == "time") {
        float *field = e[1] == "min" ? IndexMin : e[1] == "sec" ? IndexSec : IndexMsec;
        StoreFloat(field[i], strtod(e[2].c_str(), nullptr));
    } else if (e[0] == "insert")
        InsertIndexAt(i);
    else if (e[0] == "remove")
        RemoveIndexAt(i);
    else if (e[0] == "propagate")
        PropagateIndexAt(i);
    else
        return StripEdit(e);
    return true;
}

// ---- the effects and reverb windows ----

// The slot the selectors and spinners name; a later test overrides an earlier one.
void ChooseSlot()
{
    if (view.channel)
        CNL = int(Clamp(view.regularNum, 1, CHANNEL_COUNT));
    if (view.submix)
        CNL = int(Clamp(view.groupNum + CHANNEL_COUNT, 0, SubmixSlot(GROUP_COUNT)));
    if (view.master)
        CNL = MasterSlot();
}

// Clicking the lit selector turns it off and "Channel" back on; another one lights alone.
void Select(const std::string &which)
{
    bool *clicked = which == "channel" ? &view.channel : which == "submix" ? &view.submix : &view.master;
    if (*clicked) {
        *clicked = false;
        view.channel = true;
    } else {
        view.channel = view.submix = view.master = false;
        *clicked = true;
    }
    ChooseSlot();
}

// A store of a block writes its flag as the toggle shows it; the two reverb blocks also
// store the reverb window's settings, whose flags likewise.
void StoreBlockFlags(float (*table)[EFFECT_CELLS], bool reverb)
{
    Normalise(table[CNL][0]);
    if (reverb) {
        Normalise(Prhp[0]);
        Normalise(Prlp[0]);
    }
}

// A toggle flips, a slider takes its end value; then the whole block is stored.
bool ApplyEffectControl(const Edit &e)
{
    EffectControlEdit c;
    if (!DecodeEffectControl(e, &c))
        return false;
    float *setting = c.block ? &c.block->table[CNL][c.cell] : c.reverb->setting;
    if (c.slider)
        *setting = float(SliderEndValue(*c.slider, c.toMaximum, c.steps));
    else
        *setting = Toggled(*setting);
    if (c.block)
        StoreBlockFlags(c.block->table, c.block->reverb);
    else
        StoreBlockFlags(c.reverb->tapReverb ? Ptrev : Prev, !c.reverb->tapReverb);
    return true;
}

bool EffectsEdit(const Edit &e)
{
    if (e[1] == "select") {
        Select(e[2]);
        return true;
    }
    if (e[1] == "channel" || e[1] == "submix") {
        int &spinner = e[1] == "channel" ? view.regularNum : view.groupNum;
        spinner = SpinnerValue(e[2], 1, e[1] == "channel" ? 110 : GROUP_COUNT);
        ChooseSlot();
        return true;
    }
    return ApplyEffectControl(e);
}

// ---- the matrices and the preferences ----

// A click stores the bank's forty buttons as shown, the clicked one flipped, and recomputes
// which groups are in use from the whole table.
bool MatrixEdit(const Edit &e)
{
    const bool sub = e[1] == "sub";
    int &bank = sub ? view.subBank : view.vcaBank;
    int *table = sub ? SubAsn : VcaAsn;
    int *inUse = sub ? SubOn : VcaOn;
    if (e[2] == "bank") {
        bank = SpinnerValue(e[3], 1, 24);
        return true;
    }
    const int first = 5 * (bank - 1) + 1;
    for (int c = first; c < first + 5; c++)
        for (int g = 1; g <= GROUP_COUNT; g++)
            table[RouteCell(c, g)] = table[RouteCell(c, g)] != 0;
    int &clicked = table[RouteCell(first + atoi(e[3].c_str()) - 1, atoi(e[4].c_str()))];
    clicked = !clicked;
    for (int g = 1; g <= GROUP_COUNT; g++) {
        inUse[g - 1] = 0;
        for (int c = 1; c <= ROUTING_ROWS; c++)
            if (table[RouteCell(c, g)] == 1)
                inUse[g - 1] = 1;
    }
    return true;
}

bool PrefsEdit(const Edit &e)
{
    const std::string &key = e[1];
    const double typed = e.size() > 2 ? strtod(e[2].c_str(), nullptr) : 0;
    if (key == "mono")
        monoOn = !monoOn;
    else if (key == "bits16")
        OutbitsStore = OutbitsStore == 16 ? 24 : 16;
    else if (key == "bits24")
        OutbitsStore = OutbitsStore == 24 ? 16 : 24;
    else if (key == "preview_on" || key == "preview_off")
        PreviewOn = PreviewOn == 1 ? 0 : 1;
    else if (key == "panlaw")
        PanlawStore = float(typed);
    else if (key == "head" || key == "tail")
        HeadTailArray[key == "tail"] = float(typed);
    else if (key == "dither")
        DitherBits = SpinnerValue(e[2], 0, 8);
    else if (key == "launch")
        CopyText(LaunchCommand, PATH_SIZE, e[2].c_str());
    else
        return false;
    return true;
}

// ---- the whole-file operations ----

void CopyFile(const char *name, const std::string &to)
{
    FILE *in = fopen(name, "rb");
    FILE *out = fopen((to + "/" + name).c_str(), "wb");
    char buffer[4096];
    size_t n;
    while (in && out && (n = fread(buffer, 1, sizeof buffer, in)) > 0)
        fwrite(buffer, 1, n, out);
    if (in)
        fclose(in);
    if (out)
        fclose(out);
}

void StoreAll()
{
    WritePreferencesFile();
    WriteTracksFile();
    StageWriteToFile();
    const std::string snap = view.dir + "/snap-" + std::to_string(++view.stores);
    mkdir(snap.c_str(), 0755);
    for (const char *name : {"faders.txt", "tracks.txt", "prefs.txt"})
        CopyFile(name, snap);
}

void RecallAll()
{
    RecallFaderFile();
    RecallTracksFile();
    RecallPreferencesFile();
}

bool ApplyEdit(const Edit &e)
{
    if (e[0] == "store" || e[0] == "mix")
        StoreAll();
    else if (e[0] == "recall")
        RecallAll();
    else if (e[0] == "fx")
        return EffectsEdit(e);
    else if (e[0] == "rev")
        return ApplyEffectControl(e);
    else if (e[0] == "matrix")
        return MatrixEdit(e);
    else if (e[0] == "pref")
        return PrefsEdit(e);
    else
        return FadersEdit(e);
    return true;
}

} // namespace

bool ApplyEdits(const std::vector<Edit> &edits, const char *dir)
{
    if (chdir(dir) != 0) {
        perror(dir);
        return false;
    }
    view = View();
    view.dir = ".";
    ClearInternalArrays();
    int n = 0;
    for (const Edit &e : edits) {
        n++;
        if (!ApplyEdit(e)) {
            fprintf(stderr, "edit %d: cannot apply\n", n);
            return false;
        }
    }
    return true;
}
