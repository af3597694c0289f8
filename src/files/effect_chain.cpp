#include "files/effect_chain.h"

#include <cstdio>

#include "files/faders_file.h"
#include "state/effects.h"
#include "state/status_message.h"

int EffectChainText(int slot, char *text, int size)
{
    TextOut out = StartText(text, size);
    AppendEffectsOfSlot(&out, slot);
    if (out.overflow) {
        text[0] = 0;
        return 0;
    }
    int lines = 0;
    for (const char *c = text; *c; c++)
        lines += *c == '\n';
    return lines;
}

namespace {

// The effect lines of a pasted text, one per effect (a later line for the same effect
// replaces an earlier one, as in the reader).
struct Chain {
    EffectLine lines[EFFECT_COUNT];
    bool named[EFFECT_COUNT];
    int source;      // the slot the lines name
    int effects;     // effects named
    int others;      // lines of other kinds, left out
};

bool Refuse(const char *why, int lineNumber, const char *key)
{
    SetStatus("Nothing pasted: line %i (%s) %s", lineNumber, key, why);
    return false;
}

bool ReadChain(const char *text, Chain *chain)
{
    *chain = Chain{};
    chain->source = -1;
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        EffectLine read;
        if (!ReadEffectLine(line, &read)) {
            chain->others += LineKey(line).length > 0;
            continue;
        }
        const EffectKind &kind = Effects[read.effect];
        if (!HasEffectChain(read.slot))
            return Refuse("names no channel, submix or master", line.number, kind.key);
        if (!read.exact) {
            char why[64];
            snprintf(why, sizeof why, "is not as faders.txt holds it: a slot and %i number%s",
                     kind.cells - 1, kind.cells > 2 ? "s" : "");
            return Refuse(why, line.number, kind.key);
        }
        if (chain->source >= 0 && read.slot != chain->source) {
            char first[32], second[32];
            SlotText(chain->source, SlotWords, first, sizeof first);
            SlotText(read.slot, SlotWords, second, sizeof second);
            SetStatus("Nothing pasted: the lines name both %s and %s; copy one chain at a time",
                      first, second);
            return false;
        }
        chain->source = read.slot;
        chain->effects += !chain->named[read.effect];
        chain->named[read.effect] = true;
        chain->lines[read.effect] = read;
    }
    if (chain->effects == 0) {
        SetStatus("Nothing pasted: the clipboard holds no effect line");
        return false;
    }
    return true;
}

} // namespace

bool PasteEffectChain(const char *text, int slot, ChainPaste how)
{
    Chain chain;
    if (!HasEffectChain(slot) || !ReadChain(text, &chain))
        return false;
    for (int id = 0; id < EFFECT_COUNT; id++) {
        const EffectKind &kind = Effects[id];
        if (chain.named[id])
            PutEffectLine(chain.lines[id], kind.table[slot], kind.cells);
        else if (how == PASTE_WHOLE_CHAIN)
            kind.table[slot][0] = 0.0f;
    }
    char source[32];
    SlotText(chain.source, SlotWords, source, sizeof source);
    char others[48] = "";
    if (chain.others)
        snprintf(others, sizeof others, "; %i other line%s left out", chain.others,
                 chain.others > 1 ? "s" : "");
    SetStatus("Pasted %i effect%s from %s%s%s", chain.effects, chain.effects > 1 ? "s" : "",
              source, how == PASTE_ADDED_BLOCKS ? ", the other blocks kept" : "", others);
    return true;
}
