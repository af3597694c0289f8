// tracks.txt beyond the operations of project_files.h: its text, composed and read.
#pragma once

#include "state/mix_state.h"

extern const char TRACKS_FILE[];

// The longest record: a three-digit channel number, a full name, the marker "off",
// the separating spaces and the line end.
enum { TRACK_RECORD_MAX = 3 + 1 + (NAME_SIZE - 1) + 1 + 3 + 1 };
// Room for every record of 127 channels and "end", with the CR of each line on disk,
// so the largest text the state can give is both stored and read back.
enum { TRACKS_TEXT_SIZE = 32768 };
static_assert(CHANNEL_COUNT * (TRACK_RECORD_MAX + 1) + 5 < TRACKS_TEXT_SIZE,
              "tracks.txt buffer holds every state");

// Composes the text of tracks.txt into `text` (TRACKS_TEXT_SIZE bytes) and returns its
// length. Channels up to the last one that have no name are named "----" and muted.
int ComposeTracksText(char *text);
// Reads the records of a tracks.txt text into names, mutes and solos.
void ReadTracksText(const char *text);
