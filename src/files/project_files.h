// The three project files in the working directory: faders.txt, tracks.txt, prefs.txt.
// GUI-free: every operation reports through the status line (state/status_message.h).
// The store operations return true only when the whole file was written.
#pragma once

// faders.txt
// What loading faders.txt into reserve_fbuff found.
enum FaderLoad {
    FADERS_LOADED,        // the file's text
    FADERS_CREATED,       // it was missing and is now created: the mix-name line
    FADERS_NOT_CREATED,   // missing and could not be created (status says why): the mix-name line
    FADERS_TOO_LARGE,     // refused: an empty text
    FADERS_EMPTY,         // the file is empty: an empty text
    FADERS_UNREAD,        // not read whole: an empty text
};
// Loads faders.txt into reserve_fbuff, creating it when it is missing; returns the bytes
// read (0 unless FADERS_LOADED) and, when asked, the outcome.
int ReadFaderFile(FaderLoad *load = nullptr);
bool StageWriteToFile();
// The three steps of composing the text in place (`text` has room for FADER_TEXT_SIZE
// bytes); each returns false when the text would not fit. The first replaces line 1 with
// the mix name and keeps only the old text's foreign lines: lines of every kind that no row
// of the line table owns, not only effect lines.
bool ScrubEffects(char *text);
bool AppendBuffer(char *text);
bool VolumeDivavToText(char *text);
// Returns the characters stored, or 0 when the file could not be written.
int WriteFaderFile(const char *text);
// Creates faders.txt with the mix-name line; false (and a status message) when it cannot.
bool MakeNewFile();
void ParseBufferMulti(char *text);
void ReadVolumes(char *text);
// The file work of "Recall Faders / Effects": load, report, parse. Returns the bytes read.
int RecallFaderFile();

// tracks.txt
bool WriteTracksFile();
// The file work of "Recall Track Names". Returns false when nothing was read.
bool RecallTracksFile();

// prefs.txt
bool WritePreferencesFile();
// Keeps only the foreign lines of an old prefs.txt, in place; false (and an empty text)
// when they do not fit PREFS_FILE_SIZE. The buffer has room for one character more than
// the text, since a last line without its line end gains one.
bool ScrubPrefs(char *text);
// The file work of "Recall Preferences". Returns false when nothing was read.
bool RecallPreferencesFile();
