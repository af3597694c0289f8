// The three project files in the working directory: faders.txt, tracks.txt, prefs.txt.
// GUI-free: every operation reports through the status line (app/status.h).
// The store operations return true only when the whole file was written.
#pragma once

// faders.txt
int ReadFaderFile();
bool StageWriteToFile();
void ScrubEffects(char *text);
void AppendBuffer(char *text);
void VolumeDivavToText(char *text);
int WriteFaderFile(const char *text);
void MakeNewFile();
int CheckForKey(const char *word);
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
