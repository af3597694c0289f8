#include "files/effect_chain.h"

#include <algorithm>
#include <cstdio>

#include "files/effect_lines.h"
#include "files/faders_file.h"
#include "state/effects.h"
#include "state/status_message.h"

namespace {

// What a pasted text holds: per effect the last line naming it (a later line for the same
// effect wins, as in the reader), the strip they name, and the lines of other kinds.
struct Chain {
    const char *lines[EFFECT_COUNT];
    int source;
    int effects;
    int others;
};

const EffectKind *EffectOfKey(const Field &key)
{
    const EffectKind *end = Effects + EFFECT_COUNT;
    const EffectKind *found =
        std::find_if(Effects, end, [&key](const EffectKind &e) { return KeyIs(key, e.key); });
    return found != end ? found : nullptr;
}

// The fields after an effect line's key as the reader takes them: a slot field ("M", "G"
// and a submix number, or a number), then one number for each value, the last one ending
// the line. `slot` gets the strip named; null when the line is as written, else why not.
const char *LineFault(const EffectKind &effect, FieldWalk fields, int *slot)
{
    FieldWalk named = fields;
    *slot = ReadSlotFields(&fields);
    const Field first = NextField(&named);
    const bool slotField = KeyIs(first, "M") || (KeyIs(first, "G") ? *slot > CHANNEL_COUNT
                                                                   : FieldIsNumber(first));
    if (!slotField || !HasEffectChain(*slot))
        return "names no channel, submix or master";
    for (int cell = 1; cell < effect.cells; cell++)
        if (!FieldIsNumber(cell < effect.cells - 1 ? NextField(&fields) : RestOfLine(&fields)))
            return effect.cells > 2 ? "needs a number for each of its values, and no more"
                                    : "needs one number after its slot, and no more";
    return nullptr;
}

bool ReadChain(const char *text, Chain *chain)
{
    *chain = Chain{{}, -1, 0, 0};
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        const Field key = LineKey(line);
        const EffectKind *effect = EffectOfKey(key);
        if (!effect) {
            chain->others += key.length > 0;
            continue;
        }
        int slot;
        if (const char *fault = LineFault(*effect, FieldsAfterKey(line), &slot)) {
            SetStatus("Nothing pasted: line %i (%s) %s", line.number, effect->key, fault);
            return false;
        }
        if (chain->source >= 0 && slot != chain->source) {
            char first[32], second[32];
            SlotText(chain->source, SlotWords, first, sizeof first);
            SlotText(slot, SlotWords, second, sizeof second);
            SetStatus("Nothing pasted: the lines name both %s and %s; copy one chain at a time",
                      first, second);
            return false;
        }
        chain->source = slot;
        const char *&kept = chain->lines[effect - Effects];
        chain->effects += !kept;
        kept = line.text;
    }
    if (chain->effects == 0) {
        SetStatus("Nothing pasted: the clipboard holds no effect line");
        return false;
    }
    return true;
}

} // namespace

bool PasteEffectLines(const char *text, int slot, ChainPaste how)
{
    Chain chain;
    if (!HasEffectChain(slot) || !ReadChain(text, &chain))
        return false;
    for (int id = 0; id < EFFECT_COUNT; id++) {
        if (chain.lines[id])
            ReadEffectLine(chain.lines[id], slot);
        else if (how == PASTE_WHOLE_CHAIN)
            Effects[id].table[slot][0] = 0.0f;
    }
    char source[32], others[48] = "";
    SlotText(chain.source, SlotWords, source, sizeof source);
    if (chain.others)
        snprintf(others, sizeof others, "; %i other line%s left out", chain.others,
                 chain.others > 1 ? "s" : "");
    SetStatus("Pasted %i effect%s from %s%s%s", chain.effects, chain.effects > 1 ? "s" : "",
              source, how == PASTE_ADDED_BLOCKS ? ", the other blocks kept" : "", others);
    return true;
}
