#include "files/text_lines.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
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
    const char *end = start + strcspn(start, "\r\n");
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
