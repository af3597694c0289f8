// faders.txt beyond the operations of project_files.h: the reader's passes and the
// limits of the text.
#pragma once

#include "files/text_lines.h"
#include "state/mix_state.h"

// The name of the file in the working directory.
extern const char FADERS_FILE[];
// The largest faders.txt, in bytes on disk, that is stored or read.
enum { FADER_FILE_LIMIT = FADER_TEXT_SIZE - 1 };

// What loading the old faders.txt into reserve_fbuff found.
enum FaderLoad {
    FADERS_LOADED,        // the file's text
    FADERS_CREATED,       // it was missing and is now created: the mix-name line
    FADERS_NOT_CREATED,   // missing and could not be created (status says why): the mix-name line
    FADERS_TOO_LARGE,     // refused: an empty text
    FADERS_EMPTY,         // the file is empty: an empty text
    FADERS_UNREAD,        // not read whole: an empty text
};
// ReadFaderFile with the outcome; `*size` gets the bytes read.
FaderLoad LoadFaderText(int *size);

// Calls handle(key, fields) for every line of a faders text from line 2 (line 1 is the
// mix name) up to the line whose key is "end"; `fields` stands after the key.
template <typename Handler>
void ForEachBodyLine(const char *text, Handler handle)
{
    LineWalk walk = StartLines(text);
    TextLine line;
    while (NextLine(&walk, &line)) {
        if (line.number == 1)
            continue;
        FieldWalk fields{line.text, line.text + line.length};
        Field key = NextField(&fields);
        if (KeyIs(key, "end"))
            return;
        handle(key, &fields);
    }
}

// The slot named after a key: "M" the master, "G" then n submix n, else a channel number
// (a field without digits gives the master). Not range-checked.
int ReadSlotFields(FieldWalk *fields);

// Reader passes over a zero-terminated text; none of them changes the text. Each reads
// the lines whose first field is its key, from line 2 up to the "end" line.
void ParamsFromBuffer(char *text, const char *key, float *table, int rowLength, int cellCount);
void Params1D(char *text, const char *key, float *table);
void Params2D(char *text, const char *key, float *table);
void ParamGetAmt(char *text, const char *key, float *values, int count);
void ParamGetTwo(char *text, const char *key, float *pair);
void ReadSubmixState(char *text);
void ParseSubmix(char *text);
void ParseVCA(char *text);
// Decode one member list ("1,2,17") of submix or VCA `group` (0 to 7).
void RouteChannel(const char *list, int length, int group);
void RoutetoVCA(const char *list, int length, int group);
