#include "files/text_lines.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <locale.h>

#include "files/keywords.h"
#include "state/mix_state.h"
#include "state/typed_number.h"

LineWalk StartLines(const char *text)
{
    return LineWalk{text, 0};
}

bool NextLine(LineWalk *walk, TextLine *line)
{
    const char *start = walk->next;
    if (!start || !*start)
        return false;
    // CR LF, a lone LF and a lone CR each end a line: a hand-edited file may mix them.
    const char *end = start;
    while (*end && *end != '\n' && *end != '\r')
        end++;
    line->text = start;
    line->length = (int)(end - start);
    line->number = ++walk->number;
    if (end[0] == '\r' && end[1] == '\n')
        end++;
    walk->next = *end ? end + 1 : end;
    return true;
}

Field LineKey(const TextLine &line)
{
    FieldWalk walk{line.text, line.text + line.length};
    return NextField(&walk);
}

FieldWalk FieldsAfterKey(const TextLine &line)
{
    FieldWalk walk{line.text, line.text + line.length};
    NextField(&walk);
    return walk;
}

Field NextField(FieldWalk *walk)
{
    const char *p = walk->pos;
    while (p < walk->end && *p == '\t')
        p++;
    const char *start = p;
    while (p < walk->end && *p != '\t')
        p++;
    Field field{start, (int)(p - start)};
    // One tab closes the field.
    walk->pos = p < walk->end ? p + 1 : p;
    return field;
}

Field RestOfLine(FieldWalk *walk)
{
    const char *start = walk->pos;
    walk->pos = walk->end;
    return Field{start, (int)(walk->end - start)};
}

// Numbers are short: a longer field is cut, which keeps its leading number intact
// for any value that fits a float.
enum { NUMBER_TEXT = 128 };

static void NumberText(const Field &field, char *text)
{
    int length = field.length < NUMBER_TEXT - 1 ? field.length : NUMBER_TEXT - 1;
    memcpy(text, field.text, length);
    text[length] = 0;
}

// The common plain decimal ("-3.50", "12", "0.125") read without strtod, to the same
// value: at most 15 significant digits and 22 decimals are exact in a double, so one
// division rounds as strtod does. False for anything else (exponents, hex, inf, nan,
// leading white space, more digits), which strtod reads.
static bool PlainDecimal(const Field &field, double *value)
{
    const char *p = field.text;
    const char *end = p + (field.length < NUMBER_TEXT - 1 ? field.length : NUMBER_TEXT - 1);
    bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        p++;
    uint64_t digits = 0;
    int significant = 0, decimals = 0, seen = 0;
    bool point = false;
    for (; p < end; p++) {
        if (*p == '.' && !point) {
            point = true;
            continue;
        }
        if (*p < '0' || *p > '9')
            break;
        seen++;
        decimals += point;
        if (digits == 0 && *p == '0')
            continue;
        digits = digits * 10 + (uint64_t)(*p - '0');
        if (++significant > 15)
            return false;
    }
    if (seen == 0 || decimals > 22)
        return false;
    if (p < end && (*p == 'e' || *p == 'E' || *p == 'x' || *p == 'X'))
        return false;
    static const double Tens[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    double magnitude = (double)digits / Tens[decimals];
    *value = negative ? -magnitude : magnitude;
    return true;
}

float FieldToFloat(const Field &field)
{
    double plain;
    if (PlainDecimal(field, &plain))
        return (float)plain;
    char text[NUMBER_TEXT];
    NumberText(field, text);
    double value = strtod_l(text, nullptr, CNumberLocale());
    if (std::isnan(value))
        return (float)value;
    if (value > 3.4e38)
        return HUGE_VALF;
    if (value < -3.4e38)
        return -HUGE_VALF;
    return (float)value;
}

bool FieldIsNumber(const Field &field)
{
    if (field.length >= NUMBER_TEXT)
        return false;
    char text[NUMBER_TEXT];
    NumberText(field, text);
    char *end;
    double value = strtod_l(text, &end, CNumberLocale());
    if (end == text)
        return false;
    return end[strspn(end, " \t")] == 0 && FitsFloat(value);
}

int FieldToInt(const Field &field)
{
    enum { LIMIT = 1000000000 };
    // A short run of digits, as nearly every slot and group number is, without strtol.
    if (field.length > 0 && field.length <= 3) {
        int value = 0, i = 0;
        while (i < field.length && field.text[i] >= '0' && field.text[i] <= '9')
            value = value * 10 + (field.text[i++] - '0');
        if (i == field.length)
            return value;
    }
    char text[NUMBER_TEXT];
    NumberText(field, text);
    long value = strtol(text, nullptr, 10);
    if (value > LIMIT)
        return LIMIT;
    if (value < -LIMIT)
        return -LIMIT;
    return (int)value;
}

void ReadValues(FieldWalk *fields, float *values, int count)
{
    for (int i = 0; i < count; i++)
        values[i] = FieldToFloat(i + 1 < count ? NextField(fields) : RestOfLine(fields));
}

void FieldToText(const Field &field, char *dest, int size)
{
    CopyOneLine(dest, size, field.text, field.length);
}

bool AppendForeignLines(TextOut *out, const char *text, FirstLineRule rule)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        if (line.number == 1 && rule == FIRST_LINE_DROPPED)
            continue;
        Field key = LineKey(line);
        if (key.length == 0 || IsKeyWord(key.text, key.length))
            continue;
        if (IsEndWord(key.text, key.length))
            break;
        AppendBytes(out, line.text, line.length);
        AppendText(out, "\n");
    }
    return !out->overflow;
}
