// Where the effect and reverb controls stand, and their ranges and steps, as the windows
// build them; and the toolkit's arithmetic for a slider moved to an end and stepped.
#include <cmath>
#include <cstdlib>

#include "long_session.h"

const BlockControl Blocks[] = {
    {"comp", Pcomp, false, false, 30, 125, 4,
     {{31, 157, -30, 0, 0.1}, {31, 197, 0.1, 50, 0.1}, {31, 237, 10, 1000, 1}, {31, 276, 1.1, 4, 0.1}}},
    {"rms", Prms, false, false, 150, 125, 4,
     {{151, 157, -30, 0, 0.1}, {151, 197, 0.1, 200, 0.1}, {151, 237, 10, 1000, 1}, {151, 276, 1.1, 4, 0.1}}},
    {"nlc", Pnlc, false, false, 270, 125, 3,
     {{271, 157, -30, 0, 0.1}, {271, 197, 10, 2000, 1}, {271, 237, 1.1, 8, 0.1}}},
    {"lim", Plim, false, false, 390, 125, 1, {{391, 157, -18, 0, 0.1}}},
    {"lshelf", Plshelf, false, false, 30, 340, 3,
     {{31, 373, 30, 300, 1}, {31, 413, -12, 12, 0.1}, {31, 453, 0.1, 8, 0.1}}},
    {"band1", Pband1, false, false, 150, 340, 3,
     {{151, 373, 60, 1000, 1}, {151, 413, -12, 12, 0.1}, {151, 453, 0.1, 8, 0.1}}},
    {"band2", Pband2, false, false, 270, 340, 3,
     {{271, 373, 1000, 16000, 1}, {271, 413, -12, 12, 0.1}, {271, 453, 0.1, 8, 0.1}}},
    {"hshelf", Phshelf, false, false, 390, 340, 3,
     {{391, 373, 4000, 16000, 1}, {391, 413, -12, 12, 0.1}, {391, 453, 0.1, 8, 0.1}}},
    {"hpass", Php, false, false, 30, 520, 1, {{31, 553, 60, 600, 1}}},
    {"fxg", Pfxg, false, false, 150, 520, 1, {{151, 553, -15, 15, 0.1}}},
    {"rev", Prev, true, false, 270, 520, 1, {{271, 553, -24, 0, 0.1}}},
    {"trev", Ptrev, false, true, 390, 520, 1, {{391, 553, -24, 0, 0.1}}},
};
const int BLOCK_CONTROLS = sizeof Blocks / sizeof Blocks[0];

const ReverbControlRow ReverbRows[] = {
    {"rtn", false, false, {13, 160, -24, 0, 0.1}, &Prtn[0]},
    {"trtn", false, true, {13, 208, -24, 0, 0.1}, &Ptrtn[0]},
    {"size", false, false, {155, 160, 25, 1000, 10}, &Prtn[1]},
    {"taps", false, true, {297, 208, 1, 11, 1}, &Ptrtn[2]},
    {"tsize", false, true, {155, 208, 25, 500, 10}, &Ptrtn[1]},
    {"lpf", false, false, {155, 47, 2000, 12000, 1}, &Prlp[1]},
    {"hpf", false, false, {13, 47, 60, 1000, 1}, &Prhp[1]},
    {"lp", true, false, {155, 21, 0, 0, 0}, &Prlp[0]},
    {"hp", true, false, {13, 21, 0, 0, 0}, &Prhp[0]},
    {"width", false, false, {297, 47, 0, 100, 1}, &Prev_width},
    {"posx", false, false, {13, 94, 0, 100, 1}, &Prev_position[0]},
    {"posy", false, false, {155, 94, 0, 100, 1}, &Prev_position[1]},
    {"posz", false, false, {297, 93, 0, 100, 1}, &Prev_position[2]},
};
const int REVERB_ROWS = sizeof ReverbRows / sizeof ReverbRows[0];

// "fx toggle BLOCK", "fx slider BLOCK CELL END STEPS", "rev toggle KEY", "rev slider KEY END STEPS".
bool DecodeEffectControl(const Edit &e, EffectControlEdit *c)
{
    *c = EffectControlEdit{nullptr, nullptr, nullptr, 0, false, 0};
    if (e.size() < 3)
        return false;
    const bool slider = e[1] == "slider";
    const size_t move = e[0] == "fx" ? 4 : 3;       // where the end word stands
    if (slider && e.size() < move + 2)
        return false;
    if (e[0] == "fx") {
        for (const BlockControl &b : Blocks)
            if (e[2] == b.key)
                c->block = &b;
        if (!c->block)
            return false;
        if (slider) {
            c->cell = atoi(e[3].c_str());
            if (c->cell < 1 || c->cell > c->block->sliderCount)
                return false;
            c->slider = &c->block->sliders[c->cell - 1];
        }
    } else {
        for (const ReverbControlRow &r : ReverbRows)
            if (e[2] == r.key)
                c->reverb = &r;
        if (!c->reverb || c->reverb->toggle == slider)
            return false;
        if (slider)
            c->slider = &c->reverb->place;
    }
    if (slider) {
        c->toMaximum = e[move] == "max";
        c->steps = atoi(e[move + 1].c_str());
    }
    return true;
}

namespace {

// The toolkit keeps a step as the fraction A / B with B a power of ten.
struct StepFraction {
    double a, b;
};

StepFraction FractionOf(double step)
{
    const double epsilon = 4.66e-10;
    StepFraction f = {rint(step), 1};
    while (fabs(step - f.a / f.b) > epsilon && f.b <= 0x7fffffff / 10) {
        f.b *= 10;
        f.a = rint(step * f.b);
    }
    return f;
}

double Clamp(const SliderControl &s, double v)
{
    return v < s.minimum ? s.minimum : v > s.maximum ? s.maximum : v;
}

} // namespace

double SliderEndValue(const SliderControl &s, bool toMaximum, int steps)
{
    const StepFraction f = FractionOf(s.step);
    const double end = toMaximum ? s.maximum : s.minimum;
    double v = Clamp(s, rint(end * f.b / f.a) * f.a / f.b);
    const int n = toMaximum ? -1 : 1;
    for (int i = 0; i < steps; i++)
        v = Clamp(s, (rint(v * f.b / f.a) + n) * f.a / f.b);
    return v;
}
