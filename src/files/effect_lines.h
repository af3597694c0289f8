// One strip's effect lines as faders.txt holds them ("comp\t3\t-10.0\t10.0\t100.0\t1.5"),
// for carrying an effect chain from one strip to another.
#pragma once

// Composes the lines of every effect that is on for `slot` (a channel, submix or the
// master), in the file's order, each ending in "\n", as the text in `text` (`size`
// bytes). Returns the length, or -1 when they do not fit (`text` is then empty).
int WriteEffectLines(int slot, char *text, int size);

// Reads one such line (up to its zero or line end) into the effect row of `slot`: the
// effect is switched on and its cells set; the strip the line names is skipped. Returns
// false, changing nothing, when the line is not an effect line or `slot` is no strip.
bool ReadEffectLine(const char *line, int slot);
