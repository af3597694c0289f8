// Widget and menu callbacks for operations that take no arguments. Each ends at EditEnded.
#pragma once
#include "app/edit_end.h"
class Fl_Widget;

template <void (*Operation)()>
void Callback(Fl_Widget *widget, void *)
{
    Operation();
    EditEnded(widget);
}

// The same for operations that report success; the result only matters to other callers.
template <bool (*Operation)()>
void Callback(Fl_Widget *widget, void *)
{
    Operation();
    EditEnded(widget);
}
