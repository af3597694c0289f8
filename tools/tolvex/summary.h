// What the engine would render, read from the mix state.
#pragma once
#include <cstdio>

// Prints the mix name, the active cue points, the channels in use, the submixes,
// the VCAs, the effects that are on and the output settings.
void PrintSummary(FILE *out);
