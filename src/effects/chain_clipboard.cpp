// The clipboard hands its text over later, as an FL_PASTE event to a widget's handle(): the
// paste keys ask for it, and a receiver widget pastes the text when it arrives (at once when
// this program owns the clipboard).
#include "effects/chain_clipboard.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <cstdio>

#include "effects/slider_entry.h"
#include "files/effect_lines.h"
#include "state/callback.h"
#include "state/mix_state.h"
#include "state/status_message.h"
#include "state/undo_journal.h"

namespace {

enum { CLIPBOARD = 1 };   // the toolkit's clipboard, as opposed to the selection (0)

class PasteReceiver : public Fl_Widget {
public:
    explicit PasteReceiver(ChainPaste how) : Fl_Widget(0, 0, 0, 0), how_(how) {}
    void draw() override {}
    int handle(int event) override
    {
        if (event != FL_PASTE)
            return 0;
        PasteEffectChainText(Fl::event_text(), how_);
        return 1;
    }

private:
    const ChainPaste how_;
};

// One receiver per kind of paste, belonging to no window.
Fl_Widget &Receiver(ChainPaste how)
{
    static PasteReceiver *receivers[2];
    if (!receivers[how]) {
        Fl_Group *building = Fl_Group::current();
        Fl_Group::current(nullptr);
        receivers[how] = new PasteReceiver(how);
        Fl_Group::current(building);
    }
    return *receivers[how];
}

void ShownSlotName(char *name, int size)
{
    SlotText(CNL, SlotWords, name, size);
}

// A slider's value entry keeps the keys for its text (a field holding typing not yet stored
// keeps them through the key table).
bool FieldIsBeingTyped() { return SliderEntryTarget() != nullptr; }

bool RequestPaste(ChainPaste how)
{
    if (FieldIsBeingTyped())
        return false;
    if (Fl::clipboard_contains(Fl::clipboard_plain_text))
        Fl::paste(Receiver(how), CLIPBOARD);
    else
        SetStatus("Nothing pasted: the clipboard holds no text");
    return true;
}

} // namespace

bool CopyEffectChain()
{
    if (FieldIsBeingTyped())
        return false;
    char text[CHAIN_TEXT_SIZE], name[32];
    const int length = WriteEffectLines(CNL, text, sizeof text);
    int effects = 0;
    for (int i = 0; i < length; i++)
        effects += text[i] == '\n';
    ShownSlotName(name, sizeof name);
    if (effects == 0) {
        SetStatus("Nothing copied: no effect is on for %s", name);
        return true;
    }
    Fl::copy(text, length, CLIPBOARD);
    SetStatus("Copied %i effect%s from %s", effects, effects > 1 ? "s" : "", name);
    return true;
}

bool PasteEffectChain() { return RequestPaste(PASTE_WHOLE_CHAIN); }
bool PasteEffectBlocks() { return RequestPaste(PASTE_ADDED_BLOCKS); }

void PasteEffectChainText(const char *text, ChainPaste how)
{
    if (!PasteEffectLines(text ? text : "", CNL, how))
        return;
    char name[32], operation[48];
    ShownSlotName(name, sizeof name);
    snprintf(operation, sizeof operation, "paste effects, %s", name);
    JournalNameNextStep(operation);
    EndOperation(nullptr);
}
