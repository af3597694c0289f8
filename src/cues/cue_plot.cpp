// The plot of one strip's volume across the active cue points: x is the cue time in seconds,
// y the volume in dB; a point where the strip is automated, the line of the level as the mix
// plays it (held, then ramped from each automated cue point), the selected cue points of the
// strip, and the cue names along the time axis where they fit. Drawn straight from the mix state.
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cues/cue_block.h"
#include "cues/cue_view.h"
#include "cues/cues.h"
#include "state/level_in_force.h"
#include "state/position.h"

Fl_Widget *CuePlot;
int PlotSlot = 1;   // channel 1 until a heading is clicked

namespace {

const int LEFT = 60, RIGHT = 20, TOP = 44, BOTTOM = 62, INSET = 8;
const Fl_Color GRID = fl_rgb_color(225, 228, 235);
const Fl_Color LINE = fl_rgb_color(20, 80, 170);
const Fl_Color CURRENT = fl_rgb_color(220, 60, 20);
const Fl_Color SELECTED = fl_rgb_color(200, 222, 255);

// A tick step of 1, 2 or 5 times a power of ten that gives at most `ticks` intervals.
double TickStep(double range, int ticks)
{
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw <= power ? 1 : raw <= 2 * power ? 2 : raw <= 5 * power ? 5 : 10;
    return m * power;
}

struct Scale {
    double low, high;     // the values at the two ends of the axis
    double step;          // between two labelled ticks
    int from, length;     // the pixels they map to (length may be negative: y grows down)
    int At(double v) const { return from + int(std::lround((v - low) / (high - low) * length)); }
};

// Widens [low, high] to whole ticks, with some room when all values are the same; with `room`,
// a value never sits on the frame.
Scale FitScale(double low, double high, double least_range, int ticks, bool room, int from, int length)
{
    if (high - low < least_range) {
        const double middle = (low + high) / 2;
        low = middle - least_range / 2;
        high = middle + least_range / 2;
    }
    const double step = TickStep(high - low, ticks), margin = room ? step / 4 : 0;
    return {std::floor((low - margin) / step) * step, std::ceil((high + margin) / step) * step, step, from, length};
}

int sorted[INDEX_COUNT];  // active cue points in time order
int sorted_count;
CurvePoint curve[INDEX_COUNT * (CURVE_STEPS + 3)];
int curve_count;

void DrawTitle(int x, int y, int points)
{
    char title[NAME_SIZE + 160], kind[32];
    SlotTitle(PlotSlot, kind, sizeof kind);
    if (points)
        snprintf(title, sizeof title, "Volume of %s \"%s\" at %d of %d active cue points (click a strip heading to choose)",
                 kind, NameBuffer[PlotSlot], points, sorted_count);
    else
        snprintf(title, sizeof title, "Volume of %s \"%s\": not automated at any active cue point (click a strip heading to choose)",
                 kind, NameBuffer[PlotSlot]);
    fl_color(FL_BLACK);
    fl_font(FL_HELVETICA_BOLD, 13);
    fl_draw(title, x + 8, y + 18);
}

// Walks the labelled ticks of an axis: `draw` gets each tick's pixel and its label (a value
// that rounding left a hair off zero reads "0").
template <typename Draw>
void DrawTicks(const Scale &axis, Draw draw)
{
    const double step = axis.step;
    fl_font(FL_HELVETICA, 12);
    for (double v = axis.low; v <= axis.high + step / 2; v += step) {
        char label[32];
        snprintf(label, sizeof label, "%g", std::fabs(v) < step / 1000 ? 0.0 : v);
        draw(axis.At(v), label);
    }
}

void DrawVolumeAxis(const Scale &dB, int left, int right)
{
    DrawTicks(dB, [&](int y, const char *label) {
        fl_color(GRID);
        fl_xyline(left, y, right);
        fl_color(FL_BLACK);
        fl_draw(label, left - 46, y - 8, 40, 16, FL_ALIGN_RIGHT);
    });
    fl_draw("dB", left - 46, dB.At(dB.high) - 20, 40, 14, FL_ALIGN_RIGHT);
}

void DrawTimeAxis(const Scale &time, int top, int bottom)
{
    DrawTicks(time, [&](int x, const char *label) {
        fl_color(GRID);
        fl_yxline(x, top, bottom);
        fl_color(FL_BLACK);
        fl_draw(label, x - 30, bottom + 2, 60, 14, FL_ALIGN_CENTER);
    });
    fl_draw("time, s (min * 60 + sec + msec / 1000)", time.At(time.high) - 300, bottom + 44, 300, 14,
            FL_ALIGN_RIGHT);
}

// Cue names under the time labels, each centred on its cue point, skipped where they would overlap.
void DrawCueNames(const Scale &time, int y)
{
    fl_font(FL_HELVETICA_ITALIC, 11);
    int free_from = -100000;
    for (int k = 0; k < sorted_count; k++) {
        const char *name = CueNameBuffer[sorted[k]];
        if (!name[0])
            continue;
        const int width = int(fl_width(name)), x = time.At(CueSeconds(sorted[k])) - width / 2;
        if (x < free_from)
            continue;
        fl_color(FL_DARK3);
        fl_yxline(x + width / 2, y - 3, y);
        fl_color(FL_BLACK);
        fl_draw(name, x, y + 11);
        free_from = x + width + 8;
    }
}

// The selected cells of the plotted strip, as bands at their cue points' times.
void DrawSelection(const Scale &time, int top, int bottom)
{
    const int k = CueColumnOf(PlotSlot) - FIXED_COLUMNS;
    if (k < 0)
        return;
    fl_color(SELECTED);
    for (int row = 0; row < CueRowCount(); row++)
        if (CueCellSelected(row, k) && IsActiveCue(CueRowIndex(row)))
            fl_rectf(time.At(CueSeconds(CueRowIndex(row))) - 3, top + 1, 7, bottom - top - 1);
}

void DrawPoints(const Scale &time, const Scale &dB)
{
    fl_color(LINE);
    fl_line_style(FL_SOLID, 2);
    fl_begin_line();
    for (int k = 0; k < curve_count; k++)
        fl_vertex(time.At(curve[k].seconds), dB.At(curve[k].dB));
    fl_end_line();
    fl_line_style(0);
    for (int k = 0; k < sorted_count; k++) {
        const int i = sorted[k];
        if (!IsAutomated(PlotSlot, i))
            continue;
        const int x = time.At(CueSeconds(i)), y = dB.At(Volume[Cell(PlotSlot, i)]);
        const int r = i == CurrentIndex() ? 5 : 3;
        fl_color(i == CurrentIndex() ? CURRENT : LINE);
        fl_rectf(x - r, y - r, 2 * r + 1, 2 * r + 1);
    }
}

// The plot: the widget's draw() is this function.
void DrawCuePlot(int x, int y, int w, int h)
{
    fl_draw_box(FL_DOWN_BOX, x, y, w, h, FL_WHITE);
    fl_push_clip(x + 2, y + 2, w - 4, h - 4);
    sorted_count = ActiveCuesInTime(sorted);
    double t0 = 0, t1 = 0, v0 = 0, v1 = 0;
    int points = 0;
    for (int k = 0; k < sorted_count; k++) {
        const double t = CueSeconds(sorted[k]);
        t0 = k ? std::min(t0, t) : t;
        t1 = k ? std::max(t1, t) : t;
        points += IsAutomated(PlotSlot, sorted[k]);
    }
    // The last ramp may end after the last cue point: the plot takes it in.
    double ramp_end;
    if (PlayedCurveEnd(PlotSlot, sorted, sorted_count, &ramp_end))
        t1 = std::max(t1, ramp_end);
    curve_count = PlayedCurve(PlotSlot, sorted, sorted_count, t1, curve, int(sizeof curve / sizeof curve[0]));
    for (int k = 0; k < curve_count; k++) {
        v0 = k ? std::min(v0, curve[k].dB) : curve[k].dB;
        v1 = k ? std::max(v1, curve[k].dB) : curve[k].dB;
    }
    DrawTitle(x, y, points);
    const int left = x + LEFT, right = x + w - RIGHT, top = y + TOP, bottom = y + h - BOTTOM;
    // The first and last cue points sit a little inside the frame.
    const Scale time = FitScale(t0, t1, 1.0, 10, false, left + INSET, right - left - 2 * INSET);
    const Scale dB = FitScale(v0, v1, 2.0, 6, true, bottom, top - bottom);
    DrawSelection(time, top, bottom);
    DrawVolumeAxis(dB, left, right);
    DrawTimeAxis(time, top, bottom);
    fl_color(FL_BLACK);
    fl_rect(left, top, right - left + 1, bottom - top + 1);
    DrawCueNames(time, bottom + 20);
    DrawPoints(time, dB);
    fl_pop_clip();
}

class CueGraph : public Fl_Widget {
public:
    CueGraph(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

protected:
    void draw() override { DrawCuePlot(x(), y(), w(), h()); }
};

} // namespace

Fl_Widget *MakeCuePlot(int x, int y, int w, int h)
{
    return new CueGraph(x, y, w, h);
}
