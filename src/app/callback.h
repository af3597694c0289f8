// Widget and menu callbacks for operations that take no arguments.
#pragma once
class Fl_Widget;

template <void (*Operation)()>
void Callback(Fl_Widget *, void *)
{
    Operation();
}

// The same for operations that report success; the result only matters to other callers.
template <bool (*Operation)()>
void Callback(Fl_Widget *, void *)
{
    Operation();
}
