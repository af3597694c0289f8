#include "files/text_out.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale.h>

#include "state/mix_state.h"

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

void AppendOneLine(TextOut *out, const char *text, int length)
{
    int start = out->length;
    AppendBytes(out, text, length);
    if (out->overflow)
        return;
    for (int i = start; i < out->length; i++)
        out->text[i] = OnOneLine(out->text[i]);
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

// Digits of a non-negative integer, at least `minDigits` of them, into the end of `buffer`;
// returns where they start.
static char *Digits(char *end, uint64_t value, int minDigits)
{
    char *p = end;
    do {
        *--p = (char)('0' + value % 10);
        value /= 10;
        minDigits--;
    } while (value > 0 || minDigits > 0);
    return p;
}

void AppendInt(TextOut *out, int value)
{
    char buffer[16];
    char *end = buffer + sizeof buffer;
    uint64_t magnitude = value < 0 ? -(int64_t)value : value;
    char *p = Digits(end, magnitude, 1);
    if (value < 0)
        *--p = '-';
    AppendBytes(out, p, (int)(end - p));
}

void AppendFloat(TextOut *out, float value, int decimals)
{
    static const double Scale[4] = {1, 10, 100, 1000};
    // A float times 1000 is exact in a double (24 + 10 bits), so the rounding below
    // sees the exact decimal value, as printf does; huge values go to printf.
    double scaled = std::fabs((double)value) * Scale[decimals];
    if (!std::isfinite(scaled) || scaled >= 4e15) {
        AppendFormat(out, "%.*f", decimals, value);
        return;
    }
    double whole = std::floor(scaled);
    double rest = scaled - whole;
    uint64_t units = (uint64_t)whole;
    if (rest > 0.5 || (rest == 0.5 && (units & 1)))
        units++;                              // ties go to even, like printf
    char buffer[32];
    char *end = buffer + sizeof buffer;
    char *p = Digits(end, units, decimals + 1);
    if (decimals > 0) {
        memmove(p - 1, p, end - p - decimals);
        p--;
        end[-decimals - 1] = '.';
    }
    if (std::signbit(value))
        *--p = '-';
    AppendBytes(out, p, (int)(end - p));
}
