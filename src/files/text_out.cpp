#include "files/text_out.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <locale.h>

TextOut StartText(char *buffer, int capacity)
{
    buffer[0] = 0;
    return TextOut{buffer, capacity, 0, false};
}

TextOut ContinueText(char *buffer, int capacity)
{
    int length = (int)strnlen(buffer, capacity - 1);
    buffer[length] = 0;
    return TextOut{buffer, capacity, length, false};
}

void AppendBytes(TextOut *out, const char *bytes, int count)
{
    if (out->overflow || count > out->capacity - 1 - out->length) {
        out->overflow = true;
        return;
    }
    memcpy(out->text + out->length, bytes, count);
    out->length += count;
    out->text[out->length] = 0;
}

void AppendText(TextOut *out, const char *text)
{
    AppendBytes(out, text, (int)strlen(text));
}

locale_t CNumberLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", (locale_t)0);
    return c;
}

void AppendFormat(TextOut *out, const char *format, ...)
{
    if (out->overflow)
        return;
    int room = out->capacity - out->length;
    locale_t previous = uselocale(CNumberLocale());
    va_list args;
    va_start(args, format);
    int count = vsnprintf(out->text + out->length, room, format, args);
    va_end(args);
    uselocale(previous);
    if (count < 0 || count >= room) {
        out->text[out->length] = 0;
        out->overflow = true;
        return;
    }
    out->length += count;
}
