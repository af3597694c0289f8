// Every key of the program, one row each, and the one dispatcher that walks them. A new key is
// a new row of KeyTable (keys.cpp): the key with its modifiers, the windows where it works,
// when it is taken, and the operation. The manual's list of keys is checked against this table.
#pragma once
class Fl_Double_Window;
class Fl_Widget;
class Fl_Window;
typedef void(Fl_Callback)(Fl_Widget *, void *);

// The windows a key works in, as a mask.
enum KeyWindows : unsigned {
    IN_CONTROL = 1u << 0,
    IN_FADERS = 1u << 1,
    IN_EFFECTS = 1u << 2,
    IN_REVERB = 1u << 3,
    IN_PREFS = 1u << 4,
    IN_SUBS = 1u << 5,
    IN_VCAS = 1u << 6,
    IN_CUES = 1u << 7,
    IN_OTHER = 1u << 8,       // a window that is none of the program's (the file chooser)
    IN_EVERY_WINDOW = ~0u,
};

enum KeyTurn {
    // Before the focused widget sees the key: a text field would type it.
    BEFORE_WIDGETS,
    // The shortcut of the buttons and menu items whose callback is `widget`, in the windows of
    // the row: the toolkit runs it when no widget took the key. Set once at start-up.
    ON_WIDGET,
    // Only when no widget and no shortcut took the key.
    LEFT_OVER,
};

struct KeyRow {
    int key;                  // FL_CTRL + 'z', FL_CTRL + FL_SHIFT + 'l', FL_Page_Down
    unsigned windows;         // KeyWindows
    KeyTurn turn;
    // BEFORE_WIDGETS and LEFT_OVER: runs the key's work and says whether the key was used (a key
    // not used goes on as if the row were not there). Every used key ends at EditEnded.
    bool (*operation)();
    Fl_Callback *widget;      // ON_WIDGET: the callback of the widgets that carry the key
};

extern const KeyRow KeyTable[];
extern const int KEY_COUNT;

// Which window is which in the masks.
struct KeyWindow {
    Fl_Double_Window **window;
    unsigned mask;
};
enum { KEY_WINDOW_COUNT = 8 };
extern const KeyWindow KeyWindows[KEY_WINDOW_COUNT];

// An operation whose result says nothing about the key: the key is always used.
template <void (*Operation)()>
bool Run()
{
    Operation();
    return true;
}
template <bool (*Operation)()>
bool Run()
{
    Operation();
    return true;
}

// After the windows are built: gives the widgets their shortcuts and installs the dispatcher.
void InstallKeys();
// The row of `turn` that takes the key of the current event in `window`, or nullptr. The first
// row whose key, modifiers and windows match decides.
const KeyRow *KeyRowFor(KeyTurn turn, const Fl_Window *window);
// The event dispatcher and the handler of keys no widget took (installed by InstallKeys).
int DispatchKeyEvent(int event, Fl_Window *window);
int TakeLeftOverKey(int event);
// "Ctrl+Shift+L", "Page Down": the key of a row as the manual writes it.
void KeyName(int key, char *text, int size);
