// Bounded composition of a text in a fixed buffer. Appends that do not fit are
// refused and mark the text as overflowed; the buffer always stays terminated.
// Numbers are formatted with the C conventions ('.' decimal point) whatever the locale.
#pragma once

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

void AppendText(TextOut *out, const char *text);
void AppendBytes(TextOut *out, const char *bytes, int count);
// printf-style; the whole formatted piece is appended or nothing.
void AppendFormat(TextOut *out, const char *format, ...) __attribute__((format(printf, 2, 3)));

// The C locale, for formatting and parsing numbers the same way everywhere.
locale_t CNumberLocale();
