// faders.txt beyond the operations of project_files.h: loading and the limits of the
// text, and the slot and member-list decoding of the reader.
#pragma once

#include "files/text_lines.h"
#include "state/mix_state.h"

// The name of the file in the working directory.
extern const char FADERS_FILE[];
// The largest faders.txt, in bytes on disk, that is stored or read.
enum { FADER_FILE_LIMIT = FADER_TEXT_SIZE - 1 };

// The slot named after a key: "M" the master, "G" then n submix n, else a channel number
// (a field without digits gives the master). Not range-checked.
int ReadSlotFields(FieldWalk *fields);

// Decode one member list ("1,2,17") of submix or VCA `group` (0 to 7).
void RouteChannel(const char *list, int length, int group);
void RoutetoVCA(const char *list, int length, int group);
