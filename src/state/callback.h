// Widget and menu callbacks made from operations. Each runs the operation and then ends at the
// end point of every operation, so no operation has to remember it; every widget callback of
// the windows is registered through one of these. GUI-free: the toolkit's types are only
// named, and the app installs what the end point does (app/edit_end.cpp), as it installs the
// status display.
#pragma once
#include <cstdint>

class Fl_Widget;

// `source` is the widget whose callback ran (for a menu item, its menu button), or nullptr.
// Does nothing until the app installs the end point.
void EndOperation(Fl_Widget *source);
void SetOperationEnd(void (*end)(Fl_Widget *source));

// Operations that take no arguments.
template <void (*Operation)()>
void Callback(Fl_Widget *widget, void *)
{
    Operation();
    EndOperation(widget);
}

// The same for operations that report success; the result only matters to other callers.
template <bool (*Operation)()>
void Callback(Fl_Widget *widget, void *)
{
    Operation();
    EndOperation(widget);
}

// Operations of one of a row of widgets, whose number travels as the widget's user data.
template <void (*Operation)(int)>
void Callback(Fl_Widget *widget, void *number)
{
    Operation(int(intptr_t(number)));
    EndOperation(widget);
}

inline void *NumberData(int number)
{
    return reinterpret_cast<void *>(intptr_t(number));
}

// Operations that read the widget and its user data themselves.
template <void (*Operation)(Fl_Widget *, void *)>
void Callback(Fl_Widget *widget, void *data)
{
    Operation(widget, data);
    EndOperation(widget);
}
