#include "state/callback.h"

static void (*operation_end)(Fl_Widget *source);

void EndOperation(Fl_Widget *source)
{
    if (operation_end)
        operation_end(source);
}

void SetOperationEnd(void (*end)(Fl_Widget *source))
{
    operation_end = end;
}
