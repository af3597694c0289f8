#include "files/text_lines.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

#include "files/keywords.h"

LineWalk StartLines(const char *text)
{
    return LineWalk{text, 0};
}

bool NextLine(LineWalk *walk, TextLine *line)
{
    const char *start = walk->next;
    if (!start || !*start)
        return false;
    const char *end = strchrnul(start, '\n');
    line->text = start;
    line->length = (int)(end - start);
    if (line->length > 0 && start[line->length - 1] == '\r')
        line->length--;
    line->number = ++walk->number;
    walk->next = *end ? end + 1 : end;
    return true;
}

static bool IsFieldEnd(char c)
{
    return c == '\t' || c == '\r' || c == '\n';
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
    while (p < walk->end && !IsFieldEnd(*p))
        p++;
    Field field{start, (int)(p - start)};
    // One tab closes the field; a CR closes the line's fields.
    if (p < walk->end && *p == '\t')
        p++;
    else
        p = walk->end;
    walk->pos = p;
    return field;
}

Field RestOfLine(FieldWalk *walk)
{
    const char *start = walk->pos;
    const char *p = start;
    while (p < walk->end && *p != '\r')
        p++;
    walk->pos = walk->end;
    return Field{start, (int)(p - start)};
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

float FieldToFloat(const Field &field)
{
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

int FieldToInt(const Field &field)
{
    enum { LIMIT = 1000000000 };
    char text[NUMBER_TEXT];
    NumberText(field, text);
    long value = strtol(text, nullptr, 10);
    if (value > LIMIT)
        return LIMIT;
    if (value < -LIMIT)
        return -LIMIT;
    return (int)value;
}

void FieldToText(const Field &field, char *dest, int size)
{
    if (size <= 0)
        return;
    int length = field.length < size - 1 ? field.length : size - 1;
    memcpy(dest, field.text, length);
    dest[length] = 0;
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
