// Bounded composition of a text in a fixed buffer. Appends that do not fit are
// refused and mark the text as overflowed; the buffer always stays terminated.
// Numbers are formatted with the C conventions ('.' decimal point) whatever the locale.
#pragma once

#include <cstring>
#include <locale.h>

struct TextOut {
    char *text;
    int capacity;   // bytes, terminating zero included
    int length;
    bool overflow;
};

// Starts an empty text in `buffer`.
TextOut StartText(char *buffer, int capacity);
// Continues the zero-terminated text already in `buffer`.
TextOut ContinueText(char *buffer, int capacity);

inline void AppendBytes(TextOut *out, const char *bytes, int count)
{
    if (out->overflow || count > out->capacity - 1 - out->length) {
        out->overflow = true;
        return;
    }
    memcpy(out->text + out->length, bytes, count);
    out->length += count;
    out->text[out->length] = 0;
}

inline void AppendText(TextOut *out, const char *text)
{
    AppendBytes(out, text, (int)strlen(text));
}
// A text of the state as the field of one line: a CR or LF in it is written as a space,
// so it can never split its line.
void AppendOneLine(TextOut *out, const char *text, int length);
// The same text as printf's "%i".
void AppendInt(TextOut *out, int value);
// The same text as printf's "%.<decimals>f" for a float, decimals 0 to 3, without
// going through printf (the writer formats tens of thousands of these per store).
void AppendFloat(TextOut *out, float value, int decimals);
// printf-style; the whole formatted piece is appended or nothing.
void AppendFormat(TextOut *out, const char *format, ...) __attribute__((format(printf, 2, 3)));

// The C locale, for formatting and parsing numbers the same way everywhere.
locale_t CNumberLocale();
