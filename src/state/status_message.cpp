#include "state/status_message.h"

#include <cstdarg>
#include <cstdio>

char tbuffer[STATUS_SIZE];

namespace {

enum { MAX_DISPLAYS = 4 };
void (*displays[MAX_DISPLAYS])(const char *text);
int display_count;

void Display(const char *text)
{
    for (int i = 0; i < display_count; i++)
        displays[i](text);
}

} // namespace

void SetStatus(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(tbuffer, sizeof tbuffer, format, args);
    va_end(args);
    ShowStatus();
}

void ClearStatus() { Display(""); }

void ShowStatus() { Display(tbuffer); }

void AddStatusDisplay(void (*display)(const char *text))
{
    for (int i = 0; i < display_count; i++)
        if (displays[i] == display)
            return;
    if (display_count < MAX_DISPLAYS)
        displays[display_count++] = display;
}
