// The key table and its dispatcher: every row's key reaches its row in the windows it names and
// in no other, and every key of a widget is the shortcut of a widget there.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_.H>
#include <gtest/gtest.h>

#include "app/control.h"
#include "app/keys.h"
#include "gui_harness.h"

namespace {

bool CarriesShortcut(Fl_Widget *widget, int key)
{
    if (Fl_Group *group = widget->as_group())
        for (int i = 0; i < group->children(); i++)
            if (CarriesShortcut(group->child(i), key))
                return true;
    if (const Fl_Button *button = dynamic_cast<const Fl_Button *>(widget))
        return button->shortcut() == key;
    if (const Fl_Menu_ *menu = dynamic_cast<const Fl_Menu_ *>(widget))
        for (int i = 0; i < menu->size(); i++)
            if (menu->menu()[i].shortcut() == key)
                return true;
    return false;
}

} // namespace

TEST(Keys, EveryRowWorksInItsWindowsAndNoOther)
{
    StartVeltrane();
    Fl_Double_Window dialog(100, 40);   // a window of no part of the program
    for (int r = 0; r < KEY_COUNT; r++) {
        const KeyRow &row = KeyTable[r];
        char name[64];
        KeyName(row.key, name, sizeof name);
        SCOPED_TRACE(name);
        Fl::e_keysym = row.key & FL_KEY_MASK;
        Fl::e_state = row.key & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META);
        for (const KeyWindow &w : KeyWindows) {
            const bool works = (row.windows & w.mask) != 0;
            if (row.turn == ON_WIDGET)
                EXPECT_EQ(CarriesShortcut(*w.window, row.key), works) << (*w.window)->label();
            else if (works)
                EXPECT_EQ(KeyRowFor(row.turn, *w.window), &row) << (*w.window)->label();
            else   // another window may give the key a meaning of its own (Ctrl+V)
                EXPECT_NE(KeyRowFor(row.turn, *w.window), &row) << (*w.window)->label();
        }
        if (row.turn != ON_WIDGET) {
            EXPECT_EQ(KeyRowFor(row.turn, &dialog), row.windows & IN_OTHER ? &row : nullptr);
        }
        // The same key with Alt is no key of the program.
        Fl::e_state |= FL_ALT;
        EXPECT_EQ(KeyRowFor(row.turn, ControlWindow), nullptr);
    }
    Fl::e_state = 0;
}
