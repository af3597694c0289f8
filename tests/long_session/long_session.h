// The long session: an edit script of abstract edits, the input that performs each edit on
// the real windows, and the same edits applied straight to the mix state.
#pragma once
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "state/mix_state.h"

// The words of one line of the edit script (tab-separated, so texts may hold spaces).
typedef std::vector<std::string> Edit;

std::vector<Edit> ReadEdits(FILE *in);
// Writes one formatted line (the script's edits, the driver's steps).
inline void WriteLine(FILE *out, const char *format, va_list args)
{
    vfprintf(out, format, args);
    fputc('\n', out);
}
void PrintEdit(const Edit &edit, FILE *out);

// A few hundred edits across all windows, the same for the same seed.
void WriteEditScript(unsigned seed, int count, FILE *out);

// For each edit, the lines the driver runs: a window name followed by xdotool commands
// ("%" stands for the window's id), or "store" / "mix" where the driver waits for the files.
void WriteInputActions(const std::vector<Edit> &edits, FILE *out);

// Applies the edits to the state in `dir`, which holds the starting project files; after the
// n-th store (or mix) the three files are copied into dir/snap-n. False on a bad edit.
bool ApplyEdits(const std::vector<Edit> &edits, const char *dir);

// ---- the controls that both the input and the model need to know ----

// A slider: its left edge and top in its window, and its range and step.
struct SliderControl {
    int x, y;
    double minimum, maximum, step;
};

// An effect block of the effects window: key word, table, toggle position, sliders.
struct BlockControl {
    const char *key;
    float (*table)[EFFECT_CELLS];
    bool reverb, tapReverb;           // also stores the master settings of the reverb window
    int x, y;                         // of the toggle; the sliders stand at x + 1
    int sliderCount;
    SliderControl sliders[4];
};
extern const BlockControl Blocks[];
extern const int BLOCK_CONTROLS;

// A control of the reverb window: a toggle or a slider bound to one master setting.
struct ReverbControlRow {
    const char *key;
    bool toggle;
    bool tapReverb;                   // stored with the tap-reverb block, else with the reverb
    SliderControl place;              // range and step unused for a toggle
    float *setting;
};
extern const ReverbControlRow ReverbRows[];
extern const int REVERB_ROWS;

// The control that an "fx toggle", "fx slider" or "rev" edit names, and for a slider the
// move: a drag to one end, then `steps` arrow presses back.
struct EffectControlEdit {
    const BlockControl *block;        // fx edits
    const ReverbControlRow *reverb;   // rev edits
    const SliderControl *slider;      // null for a toggle
    int cell;                         // the block row's cell that an fx slider edits
    bool toMaximum;
    int steps;
};
// False when the edit names no such control.
bool DecodeEffectControl(const Edit &edit, EffectControlEdit *control);

// The value a slider ends with after a drag to one end ("min" or "max") and `steps` arrow
// presses back toward the other end, computed as the toolkit rounds and clamps.
double SliderEndValue(const SliderControl &s, bool toMaximum, int steps);
