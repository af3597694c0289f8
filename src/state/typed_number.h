// Numbers that enter the mix from what the user types. GUI-free.
#pragma once
#include <cfloat>
#include <cmath>

// A value the float cells of the mix can hold: a finite number within float range. Anything
// else (typed "inf", 1e300) would reach the files as text the engine cannot read.
inline bool FitsFloat(double value) { return std::isfinite(value) && std::fabs(value) <= FLT_MAX; }

// Reads a typed number in the C form whatever the locale, with "," taken as the decimal
// point as well; surrounding spaces and a leading "+" are allowed, anything else beside the
// number is not. False for text that is no finite number.
bool ReadTypedNumber(const char *text, double *number);
