// The key table and its dispatcher.
#include "app/keys.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_.H>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>

#include "app/control.h"
#include "app/edit_end.h"
#include "app/undo.h"
#include "cues/cue_block.h"
#include "cues/cues.h"
#include "effects/chain_clipboard.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/callback.h"

namespace {

// Typing not yet stored in the focused field is stored first, as when the field is left: the
// field shows the new cue point afterwards, and the typing would otherwise be lost.
void StoreTyping()
{
    Fl_Widget *field = Fl::focus();
    if (!dynamic_cast<Fl_Input_ *>(field))
        return;
    Fl::focus(field->window());
    if (field->visible_r())
        Fl::focus(field);
}

template <bool (*Move)()>
bool Travel()
{
    StoreTyping();
    Move();
    return true;
}

Fl_Window *key_window;   // the window of the key being dispatched

// A focused text field would take Ctrl+M as a carriage return typed into its path or command
// (and so into prefs.txt): the key goes to the shortcuts instead, as from any other widget.
bool MixFromTextField()
{
    if (!dynamic_cast<Fl_Input_ *>(Fl::focus()))
        return false;
    Fl::handle_(FL_SHORTCUT, key_window);
    return true;
}

// An Escape that no widget takes would close the window it was typed in (the toolkit's
// default): the control window would take the program with it, unsaved. No window of the
// program closes on Escape; a dialog over them (the file chooser, modal) still cancels on it,
// and closing a window through the window manager still hides it.
bool KeepWindowOpen()
{
    return !Fl::modal();
}

// Typing the focused field shows but has not stored yet (its callback clears the mark when it
// stores): a key that the field also knows is the field's (Ctrl+Z undoes the typing, Ctrl+C and
// Ctrl+V copy and paste text).
template <bool (*Operation)()>
bool UnlessTyping()
{
    const Fl_Input_ *field = dynamic_cast<const Fl_Input_ *>(Fl::focus());
    if (field && field->changed() && !field->readonly())
        return false;
    return Operation();
}

const unsigned MIX_WINDOWS = IN_CONTROL | IN_FADERS | IN_EFFECTS | IN_PREFS;
const unsigned TRAVEL_WINDOWS = IN_FADERS | IN_CUES;
const unsigned CUE_WINDOW_KEYS = IN_CONTROL | IN_FADERS | IN_CUES;

constexpr KeyRow Before(int key, unsigned windows, bool (*operation)())
{
    return {key, windows, BEFORE_WIDGETS, operation, nullptr};
}
constexpr KeyRow OnWidget(int key, unsigned windows, Fl_Callback *widget)
{
    return {key, windows, ON_WIDGET, nullptr, widget};
}
constexpr KeyRow LeftOver(int key, unsigned windows, bool (*operation)())
{
    return {key, windows, LEFT_OVER, operation, nullptr};
}

} // namespace

const KeyRow KeyTable[] = {
    OnWidget(FL_CTRL + 'm', MIX_WINDOWS, Callback<Mix>),
    OnWidget(FL_CTRL + 's', IN_CONTROL, Callback<SaveAll>),
    OnWidget(FL_CTRL + 'o', IN_CONTROL, Callback<RevertAll>),
    OnWidget(FL_CTRL + 'q', IN_CONTROL, Callback<ProgramExit>),
    OnWidget(FL_CTRL + 'f', IN_CONTROL, Callback<ShowFaders>),
    OnWidget(FL_CTRL + 'e', IN_CONTROL, Callback<ShowEffects>),
    OnWidget(FL_CTRL + 'r', IN_CONTROL, Callback<ShowReverb>),
    OnWidget(FL_CTRL + 'g', IN_CONTROL, Callback<ShowSubs>),
    OnWidget(FL_CTRL + 'v', IN_CONTROL, Callback<ShowVCAs>),
    OnWidget(FL_CTRL + 'p', IN_CONTROL, Callback<ShowPrefs>),
    OnWidget(FL_CTRL + FL_SHIFT + 'f', IN_CONTROL, Callback<HideFaders>),
    OnWidget(FL_CTRL + FL_SHIFT + 'e', IN_CONTROL, Callback<HideEffects>),
    OnWidget(FL_CTRL + FL_SHIFT + 'r', IN_CONTROL, Callback<HideReverb>),
    OnWidget(FL_CTRL + FL_SHIFT + 'g', IN_CONTROL, Callback<HideSubs>),
    OnWidget(FL_CTRL + FL_SHIFT + 'v', IN_CONTROL, Callback<HideVCAs>),
    OnWidget(FL_CTRL + FL_SHIFT + 'p', IN_CONTROL, Callback<HidePrefs>),
    Before(FL_CTRL + 'm', IN_EVERY_WINDOW, MixFromTextField),
    Before(FL_CTRL + 'z', IN_EVERY_WINDOW, UnlessTyping<Run<UndoLastEdit>>),
    Before(FL_CTRL + FL_SHIFT + 'z', IN_EVERY_WINDOW, Run<RedoLastEdit>),
    Before(FL_CTRL + 'y', IN_EVERY_WINDOW, Run<RedoLastEdit>),
    Before(FL_CTRL + 'l', CUE_WINDOW_KEYS, Run<ShowCues>),
    Before(FL_CTRL + FL_SHIFT + 'l', CUE_WINDOW_KEYS, Run<HideCues>),
    Before(FL_Page_Down, TRAVEL_WINDOWS, Travel<NextCuePoint>),
    Before(FL_Page_Up, TRAVEL_WINDOWS, Travel<PreviousCuePoint>),
    Before(FL_CTRL + FL_Page_Down, TRAVEL_WINDOWS, Travel<NextBank>),
    Before(FL_CTRL + FL_Page_Up, TRAVEL_WINDOWS, Travel<PreviousBank>),
    OnWidget(FL_Insert, IN_CUES, Callback<InsertCuePoint>),
    OnWidget(FL_CTRL + FL_Insert, IN_CUES, Callback<InsertCuePointCopy>),
    OnWidget(FL_CTRL + FL_Delete, IN_CUES, Callback<RemoveCuePoint>),
    OnWidget(FL_CTRL + 't', IN_CUES, Callback<SortCuePoints>),
    Before(FL_CTRL + FL_Up, IN_CUES, OnCueTable<NudgeCues<10>>),
    Before(FL_CTRL + FL_Down, IN_CUES, OnCueTable<NudgeCues<-10>>),
    Before(FL_CTRL + FL_SHIFT + FL_Up, IN_CUES, OnCueTable<NudgeCues<1>>),
    Before(FL_CTRL + FL_SHIFT + FL_Down, IN_CUES, OnCueTable<NudgeCues<-1>>),
    Before(FL_SHIFT + FL_Up, IN_CUES, OnCueTable<StretchCues<-1, 0>>),
    Before(FL_SHIFT + FL_Down, IN_CUES, OnCueTable<StretchCues<1, 0>>),
    Before(FL_SHIFT + FL_Left, IN_CUES, OnCueTable<StretchCues<0, -1>>),
    Before(FL_SHIFT + FL_Right, IN_CUES, OnCueTable<StretchCues<0, 1>>),
    Before(FL_Delete, IN_CUES, AutoOffCueSelection),
    Before(FL_CTRL + 'd', IN_CUES, OnCueTable<FillCueSelectionDown>),
    Before(FL_CTRL + 'i', IN_CUES, OnCueTable<InterpolateCueSelection>),
    Before(FL_CTRL + 'c', IN_CUES, OnCueTable<CopyCues<false>>),
    Before(FL_CTRL + 'x', IN_CUES, OnCueTable<CopyCues<true>>),
    Before(FL_CTRL + 'v', IN_CUES, OnCueTable<PasteCueClipboard>),
    Before(FL_CTRL + 'a', IN_CUES, OnCueTable<SelectAllCues>),
    Before(FL_CTRL + 'c', IN_EFFECTS, UnlessTyping<CopyEffectChain>),
    Before(FL_CTRL + 'v', IN_EFFECTS, UnlessTyping<PasteEffectChain>),
    Before(FL_CTRL + FL_SHIFT + 'v', IN_EFFECTS, UnlessTyping<PasteEffectBlocks>),
    LeftOver(FL_Escape, IN_EVERY_WINDOW, KeepWindowOpen),
};
const int KEY_COUNT = sizeof KeyTable / sizeof KeyTable[0];

const KeyWindow KeyWindows[KEY_WINDOW_COUNT] = {
    {&ControlWindow, IN_CONTROL}, {&FadersWindow, IN_FADERS}, {&EffectsWindow, IN_EFFECTS},
    {&ReverbWindow, IN_REVERB},   {&PrefsWindow, IN_PREFS},   {&SubWindow, IN_SUBS},
    {&VCAWindow, IN_VCAS},        {&CuesWindow, IN_CUES},
};

namespace {

const int MODIFIERS = FL_SHIFT | FL_CTRL | FL_ALT | FL_META;

unsigned MaskOf(const Fl_Window *window)
{
    const auto *found = std::find_if(std::begin(KeyWindows), std::end(KeyWindows),
                                     [window](const auto &w) { return window && *w.window == window; });
    return found != std::end(KeyWindows) ? found->mask : IN_OTHER;
}

bool IsEventKey(int key)
{
    return Fl::event_key() == (key & FL_KEY_MASK) && (Fl::event_state() & MODIFIERS) == (key & MODIFIERS);
}

// Walks the rows of one turn for the key just pressed in `window`; true when its row used it.
bool DispatchKey(KeyTurn turn, Fl_Window *window)
{
    const KeyRow *row = KeyRowFor(turn, window);
    if (!row)
        return false;
    key_window = window;
    if (!row->operation())
        return false;
    EditEnded(nullptr);
    return true;
}

void GiveShortcuts(Fl_Widget *widget, unsigned mask)
{
    if (Fl_Group *group = widget->as_group())
        for (int i = 0; i < group->children(); i++)
            GiveShortcuts(group->child(i), mask);
    Fl_Button *button = dynamic_cast<Fl_Button *>(widget);
    Fl_Menu_ *menu = dynamic_cast<Fl_Menu_ *>(widget);
    for (const KeyRow &row : KeyTable) {
        if (row.turn != ON_WIDGET || !(row.windows & mask))
            continue;
        if (button && button->callback() == row.widget)
            button->shortcut(row.key);
        // The menus are the program's own static tables.
        for (int i = 0; menu && i < menu->size(); i++) {
            Fl_Menu_Item *item = const_cast<Fl_Menu_Item *>(&menu->menu()[i]);
            if (item->callback() == row.widget)
                item->shortcut(row.key);
        }
    }
}

} // namespace

const KeyRow *KeyRowFor(KeyTurn turn, const Fl_Window *window)
{
    const unsigned mask = MaskOf(window);
    const KeyRow *end = KeyTable + KEY_COUNT;
    const KeyRow *row = std::find_if(KeyTable, end, [turn, mask](const KeyRow &r) {
        return r.turn == turn && (r.windows & mask) && IsEventKey(r.key);
    });
    return row != end ? row : nullptr;
}

int DispatchKeyEvent(int event, Fl_Window *window)
{
    if (event == FL_KEYBOARD && DispatchKey(BEFORE_WIDGETS, window))
        return 1;
    return Fl::handle_(event, window);
}

int TakeLeftOverKey(int event)
{
    return event == FL_SHORTCUT && DispatchKey(LEFT_OVER, Fl::first_window());
}

void InstallKeys()
{
    for (const KeyWindow &w : KeyWindows)
        if (*w.window)
            GiveShortcuts(*w.window, w.mask);
    Fl::event_dispatch(DispatchKeyEvent);
    Fl::add_handler(TakeLeftOverKey);
}

// The keys without a character, by the name the manual gives them.
const struct {
    int symbol;
    const char *name;
} KeyNames[] = {
    {FL_Page_Down, "Page Down"}, {FL_Page_Up, "Page Up"}, {FL_Escape, "Escape"},
    {FL_Insert, "Insert"},       {FL_Delete, "Delete"},       {FL_Up, "Up"},
    {FL_Down, "Down"},           {FL_Left, "Left"},           {FL_Right, "Right"},
};

void KeyName(int key, char *text, int size)
{
    const int symbol = key & FL_KEY_MASK;
    char name[32];
    snprintf(name, sizeof name, "%c", toupper(symbol));
    for (const auto &k : KeyNames)
        if (k.symbol == symbol)
            snprintf(name, sizeof name, "%s", k.name);
    snprintf(text, size, "%s%s%s", key & FL_CTRL ? "Ctrl+" : "", key & FL_SHIFT ? "Shift+" : "", name);
}
