#include "state/typed_number.h"

#include <charconv>
#include <cstring>

bool ReadTypedNumber(const char *text, double *number)
{
    char plain[64];
    const size_t length = strlen(text);
    if (length >= sizeof plain)
        return false;
    for (size_t i = 0; i <= length; i++)
        plain[i] = text[i] == ',' ? '.' : text[i];
    const char *first = plain, *last = plain + length;
    while (first < last && *first == ' ')
        first++;
    while (last > first && last[-1] == ' ')
        last--;
    if (first < last && *first == '+' && (last - first < 2 || first[1] != '-'))
        first++;                      // the parser takes "-" only
    double value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return false;
    *number = value;
    return true;
}
