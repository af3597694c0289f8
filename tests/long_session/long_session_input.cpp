// What the driver does on the real windows for each edit: clicks, drags and typing at
// window-relative positions taken from the windows' layouts. One output line per step:
// the window's name, then xdotool commands with "%" for the window's id.
#include <cstdarg>
#include <cstdlib>

#include "long_session.h"

namespace {

FILE *out;

void Line(const char *format, ...) __attribute__((format(printf, 1, 2)));
void Line(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    WriteLine(out, format, args);
    va_end(args);
}

int Number(const std::string &word) { return atoi(word.c_str()); }

void Click(const char *window, int x, int y)
{
    Line("%s\tmousemove\t--window\t%%\t%d\t%d\tclick\t1", window, x, y);
}

// Selects the field's text, types over it ("--": the text may start with a minus; nothing
// can follow "type" in one xdotool call) and leaves with Tab, which fires the callback of fields that store on leaving (the others
// already stored at every keystroke).
void Type(const char *window, int x, int y, const std::string &text)
{
    Line("%s\tmousemove\t--window\t%%\t%d\t%d\tclick\t1\tkey\tEnd\tshift+Home\ttype\t--\t%s",
         window, x, y, text.c_str());
    Line("%s\tkey\tTab", window);
}

// Opens a menu button and picks its item-th entry with the keyboard.
void Menu(const char *window, int x, int y, int item)
{
    std::string keys;
    for (int i = 0; i < item; i++)
        keys += "Down\t";
    Line("%s\tmousemove\t--window\t%%\t%d\t%d\tclick\t1\tsleep\t0.3\tkey\t%sReturn\tsleep\t0.2",
         window, x, y, keys.c_str());
}

// Drags the knob far past one end of the track, then steps back with the arrow keys. The
// pauses let the window see the button held before the pointer moves and while it is away.
void Slide(const char *window, const SliderControl &s, bool toMaximum, int steps)
{
    const int middle = s.x + 67, y = s.y + 10, past = toMaximum ? 130 : -130;
    Line("%s\tmousemove\t--window\t%%\t%d\t%d\tmousedown\t1\tsleep\t0.05\tmousemove_relative\t--\t%d\t0\tsleep\t0.05\tmouseup\t1",
         window, middle, y, past);
    if (steps <= 0)
        return;
    std::string keys;
    for (int i = 0; i < steps; i++)
        keys += toMaximum ? "\tLeft" : "\tRight";
    Line("%s\tkey%s", window, keys.c_str());
}

// ---- the faders window ----

const char FADERS[] = "faders";
int StripTop(int strip) { return 177 + 30 * (strip - 1); }

struct StripField {
    const char *verb;
    int x;          // a point inside the field
};
const StripField STRIP_FIELDS[] = {
    {"volume", 330}, {"offset", 407}, {"ramp", 459}, {"shape", 512}, {"pan", 567}, {"name", 190},
};
const StripField STRIP_SWITCHES[] = {{"auto", 292}, {"solo", 34}, {"mute", 64}};

bool StripEdit(const Edit &e)
{
    for (const StripField &f : STRIP_FIELDS)
        if (e[0] == f.verb) {
            Type(FADERS, f.x, StripTop(Number(e[1])) + 9, e[2]);
            return true;
        }
    for (const StripField &f : STRIP_SWITCHES)
        if (e[0] == f.verb) {
            Click(FADERS, f.x, StripTop(Number(e[1])) + 10);
            return true;
        }
    return false;
}

const char *const TIME_FIELDS[] = {"min", "sec", "msec"};

bool FadersEdit(const Edit &e)
{
    if (e[0] == "index")
        Type(FADERS, 40, 92, e[1]);
    else if (e[0] == "bank")
        Type(FADERS, 36, 144, e[1]);
    else if (e[0] == "active")
        Click(FADERS, 143, 90);
    else if (e[0] == "cue")
        Type(FADERS, 270, 90, e[1]);
    else if (e[0] == "mixname")
        Type(FADERS, 100, 41, e[1]);
    else if (e[0] == "time") {
        for (int f = 0; f < 3; f++)
            if (e[1] == TIME_FIELDS[f])
                Type(FADERS, 419 + 74 * f, 90, e[2]);
    } else if (e[0] == "insert" || e[0] == "remove" || e[0] == "propagate")
        Menu(FADERS, 441, 126, e[0] == "insert" ? 1 : e[0] == "remove" ? 2 : 3);
    else
        return StripEdit(e);
    return true;
}

// ---- the effects and reverb windows ----

const char EFFECTS[] = "effects", REVERB[] = "reverb";

// A toggle of the effects or the reverb window is clicked; a slider is dragged and stepped.
bool EffectControlInput(const Edit &e)
{
    EffectControlEdit c;
    if (!DecodeEffectControl(e, &c))
        return false;
    const char *window = c.block ? EFFECTS : REVERB;
    if (c.slider)
        Slide(window, *c.slider, c.toMaximum, c.steps);
    else if (c.block)
        Click(window, c.block->x + 50, c.block->y + 10);
    else
        Click(window, c.reverb->place.x + 50, c.reverb->place.y + 9);
    return true;
}

bool EffectsEdit(const Edit &e)
{
    if (e[1] == "select") {
        const int y = e[2] == "channel" ? 24 : e[2] == "submix" ? 52 : 81;
        Click(EFFECTS, 38, y + 7);
    } else if (e[1] == "channel" || e[1] == "submix") {
        Type(EFFECTS, 200, e[1] == "channel" ? 32 : 68, e[2]);
    } else {
        return EffectControlInput(e);
    }
    return true;
}

// ---- the matrices and the preferences ----

const int MATRIX_BUTTON_X[GROUP_COUNT] = {208, 238, 269, 300, 331, 362, 393, 424};

bool MatrixEdit(const Edit &e)
{
    const char *window = e[1] == "sub" ? "sub" : "vca";
    if (e[2] == "bank")
        Type(window, 30, 42, e[3]);
    else
        Click(window, MATRIX_BUTTON_X[Number(e[4]) - 1] + 8, 77 + 40 * (Number(e[3]) - 1) + 7);
    return true;
}

struct PrefsPlace {
    const char *key;
    int x, y;
    bool typed;
};
const PrefsPlace PREFS_PLACES[] = {
    {"mono", 288, 247, false},    {"bits16", 288, 202, false}, {"bits24", 288, 224, false},
    {"preview_on", 67, 33, false}, {"preview_off", 290, 33, false}, {"panlaw", 349, 316, true},
    {"head", 306, 128, true},     {"tail", 306, 159, true},    {"dither", 344, 281, true},
    {"launch", 120, 193, true},
};

bool PrefsEdit(const Edit &e)
{
    for (const PrefsPlace &p : PREFS_PLACES) {
        if (e[1] != p.key)
            continue;
        if (p.typed)
            Type("prefs", p.x, p.y, e[2]);
        else
            Click("prefs", p.x, p.y);
        return true;
    }
    return false;
}

// ---- the control window ----

bool ControlEdit(const Edit &e)
{
    if (e[0] == "store" || e[0] == "mix") {
        Line("control\tkey\t%s", e[0] == "store" ? "ctrl+s" : "ctrl+m");
        Line("%s", e[0].c_str());
    } else {
        Menu("control", 336, 90, 4);
    }
    return true;
}

bool InputFor(const Edit &e)
{
    if (e[0] == "fx")
        return EffectsEdit(e);
    if (e[0] == "rev")
        return EffectControlInput(e);
    if (e[0] == "matrix")
        return MatrixEdit(e);
    if (e[0] == "pref")
        return PrefsEdit(e);
    if (e[0] == "store" || e[0] == "mix" || e[0] == "recall")
        return ControlEdit(e);
    return FadersEdit(e);
}

} // namespace

void WriteInputActions(const std::vector<Edit> &edits, FILE *file)
{
    out = file;
    int n = 0;
    for (const Edit &e : edits) {
        fprintf(out, "#\t%d\t", ++n);
        PrintEdit(e, out);
        if (!InputFor(e))
            fprintf(stderr, "edit %d: unknown control\n", n);
    }
}
