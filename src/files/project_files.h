// The three project files in the working directory: faders.txt, tracks.txt, prefs.txt.
// GUI-free: every operation reports through the status line (state/status_message.h).
// The store operations return true only when the whole file was written.
#pragma once

// faders.txt
int ReadFaderFile();
bool StageWriteToFile();
// The three steps of composing the text in place (`text` has room for FADER_TEXT_SIZE
// bytes); each returns false when the text would not fit.
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
void ScrubPrefs(char *text);
// The file work of "Recall Preferences". Returns false when nothing was read.
bool RecallPreferencesFile();
