#include "state/status_message.h"

#include <cstdarg>
#include <cstdio>

char tbuffer[STATUS_SIZE];

static void (*status_display)(const char *text);

void SetStatus(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(tbuffer, sizeof tbuffer, format, args);
    va_end(args);
    ShowStatus();
}

void ClearStatus()
{
    if (status_display)
        status_display("");
}

void ShowStatus()
{
    if (status_display)
        status_display(tbuffer);
}

void SetStatusDisplay(void (*display)(const char *text))
{
    status_display = display;
}
