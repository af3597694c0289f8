#include "state/level_in_force.h"

#include <algorithm>
#include <cmath>

#include "state/cue_points.h"

namespace {

// A time that is not a number sorts after every other, so that the order stays strict.
double TimeKey(int index)
{
    const double t = CueSeconds(index);
    return std::isnan(t) ? INFINITY : t;
}

// A ramp below zero or not a number is a jump; a shape that is not above zero is straight.
double RampSeconds(int slot, int index)
{
    const double r = Ramp[Cell(slot, index)];
    return r > 0 && std::isfinite(r) ? r : 0;
}

double RampShape(int slot, int index)
{
    const double s = Shape[Cell(slot, index)];
    return s > 0 && std::isfinite(s) ? s : 1;
}

// A ramp in progress: from `from` at `start` to `to` over `length` seconds, bent by `shape`.
struct RampPiece {
    double start, length, shape, from, to;
    double At(double t) const
    {
        if (length <= 0 || t >= start + length)
            return to;
        const double u = std::max(0.0, (t - start) / length);
        return from + (to - from) * std::pow(u, shape);
    }
};

struct CurveOut {
    CurvePoint *points;
    int capacity, count;
    void Add(double t, double dB)
    {
        if (count < capacity)
            points[count++] = {t, dB};
    }
};

// The ramp's line from its start up to `until` (at most its end).
void AddRamp(const RampPiece &r, double until, CurveOut &out)
{
    const double end = std::min(until, r.start + r.length);
    if (r.length <= 0 || end <= r.start)
        return;
    const int steps = r.shape == 1 ? 1 : CURVE_STEPS;
    for (int k = 1; k <= steps; k++) {
        const double t = r.start + (end - r.start) * k / steps;
        out.Add(t, r.At(t));
    }
}

} // namespace

bool CueBefore(int a, int b)
{
    const double ta = TimeKey(a), tb = TimeKey(b);
    return ta != tb ? ta < tb : a < b;
}

int ActiveCuesInTime(int order[INDEX_COUNT])
{
    int count = 0;
    for (int i = 0; i < INDEX_COUNT; i++)
        if (IsActiveCue(i))
            order[count++] = i;
    std::sort(order, order + count, CueBefore);
    return count;
}

bool LevelInForce(int slot, int index, float *level)
{
    if (IsAutomated(slot, index)) {
        *level = Volume[Cell(slot, index)];
        return true;
    }
    int last = -1;
    for (int j = 0; j < INDEX_COUNT; j++)
        if (IsActiveCue(j) && IsAutomated(slot, j) && CueBefore(j, index) && (last < 0 || CueBefore(last, j)))
            last = j;
    if (last < 0)
        return false;
    *level = Volume[Cell(slot, last)];
    return true;
}

void LevelsInForce(int slot, const int *order, int count, float level[INDEX_COUNT], bool has[INDEX_COUNT])
{
    // after[k]: the level in force just after the k-th cue point in time order.
    float after[INDEX_COUNT];
    bool after_has[INDEX_COUNT];
    bool carrying = false;
    float carry = 0;
    for (int k = 0; k < count; k++) {
        if (IsAutomated(slot, order[k])) {
            carry = Volume[Cell(slot, order[k])];
            carrying = true;
        }
        after[k] = carry;
        after_has[k] = carrying;
    }
    for (int i = 0; i < INDEX_COUNT; i++) {
        if (IsAutomated(slot, i)) {
            level[i] = Volume[Cell(slot, i)];
            has[i] = true;
            continue;
        }
        // The cue points before i in time are the first `before` of the order.
        const int before = int(std::lower_bound(order, order + count, i, CueBefore) - order);
        has[i] = before > 0 && after_has[before - 1];
        level[i] = has[i] ? after[before - 1] : 0;
    }
}

float StartingLevel(int slot, int index)
{
    float level = Volume[Cell(slot, index)];
    LevelInForce(slot, index, &level);
    return level;
}

int PlayedCurve(int slot, const int *order, int count, double end, CurvePoint *out, int capacity)
{
    CurveOut curve{out, capacity, 0};
    RampPiece ramp{0, 0, 1, 0, 0};
    bool started = false;
    for (int k = 0; k < count; k++) {
        const int i = order[k];
        const double t = CueSeconds(i);
        if (!IsAutomated(slot, i) || !std::isfinite(t))
            continue;
        const double v = Volume[Cell(slot, i)];
        if (started) {
            AddRamp(ramp, t, curve);
            curve.Add(t, ramp.At(t));   // the level held up to this cue point
            ramp = {t, RampSeconds(slot, i), RampShape(slot, i), ramp.At(t), v};
        } else {
            ramp = {t, 0, 1, v, v};     // nothing before: the strip starts at its level
            started = true;
        }
        if (ramp.length <= 0)
            curve.Add(t, v);
    }
    if (!started)
        return 0;
    AddRamp(ramp, ramp.start + ramp.length, curve);
    const double last = std::max(ramp.start, ramp.start + ramp.length);
    if (end > last)
        curve.Add(end, ramp.to);
    return curve.count;
}

bool PlayedCurveEnd(int slot, const int *order, int count, double *end)
{
    for (int k = count - 1; k >= 0; k--)
        if (IsAutomated(slot, order[k]) && std::isfinite(CueSeconds(order[k]))) {
            *end = CueSeconds(order[k]) + RampSeconds(slot, order[k]);
            return true;
        }
    return false;
}
