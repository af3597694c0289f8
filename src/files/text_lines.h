// The line and field walk shared by every reader of the project files.
//
// A text ends at its terminating zero. Lines end in CR LF, LF or CR. The first field of a
// line is its first run of characters that are neither tab, CR nor LF, leading tabs
// skipped; it is the line's key. Inner fields follow, separated by tabs; the last field
// a reader asks for is the rest of the line, tabs included. Fields a line lacks are empty.
#pragma once

#include "files/text_out.h"

struct Field {
    const char *text;   // not zero-terminated
    int length;
};

struct TextLine {
    const char *text;   // first character of the line
    int length;         // without its line end
    int number;         // 1 for the first line
};

struct LineWalk {
    const char *next;
    int number;
};

LineWalk StartLines(const char *text);
// The next line; false at the end of the text.
bool NextLine(LineWalk *walk, TextLine *line);

// The key of a line (empty for a line without any field).
Field LineKey(const TextLine &line);
inline bool KeyIs(const Field &key, const char *word)
{
    int i = 0;
    for (; i < key.length; i++)
        if (key.text[i] != word[i])
            return false;
    return word[i] == 0;
}

// Reads the fields after a line's key, one after another.
struct FieldWalk {
    const char *pos;
    const char *end;
};
FieldWalk FieldsAfterKey(const TextLine &line);
// An inner field: leading tabs skipped, up to the next tab.
Field NextField(FieldWalk *walk);
// The last field: the rest of the line, tabs included.
Field RestOfLine(FieldWalk *walk);

// Numbers of fields, with the C conventions whatever the locale. Leading white space
// is skipped and the longest number prefix taken; a field without one gives 0.
float FieldToFloat(const Field &field);
// Whether the whole field (blanks aside) is one number that a float holds, as the
// functions here read it: what a file may hold where a value belongs.
bool FieldIsNumber(const Field &field);
// Integers are clamped to +-1000000000, far beyond any count or slot.
int FieldToInt(const Field &field);
// Copies a field as text into a fixed buffer, cut to fit.
void FieldToText(const Field &field, char *dest, int size);

// Foreign lines: lines whose key is neither one of the 52 key words nor empty.
enum FirstLineRule {
    FIRST_LINE_DROPPED,          // line 1 is replaced by the caller's own first line
    FIRST_LINE_KEPT_IF_FOREIGN,  // line 1 is kept when it is foreign
};
// Appends each foreign line of `text` whole, followed by "\n", in order; the walk ends
// at the first line whose key is "end". Returns false when `out` overflowed.
bool AppendForeignLines(TextOut *out, const char *text, FirstLineRule rule);
