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

static void (*named_operation_end)(const char *operation);

void EndNamedOperation(const char *operation)
{
    if (named_operation_end)
        named_operation_end(operation);
}

void SetNamedOperationEnd(void (*end)(const char *operation))
{
    named_operation_end = end;
}
