// The status line's message: one text of at most 255 characters in tbuffer, with its
// setters. GUI-free: the control window registers how to show text; until then
// messages are only kept in tbuffer.
#pragma once

enum { STATUS_SIZE = 256 };
extern char tbuffer[STATUS_SIZE];

// Replaces the message (printf-style, cut to fit) and shows it.
void SetStatus(const char *format, ...) __attribute__((format(printf, 1, 2)));
// What edit callbacks do: the display goes blank, tbuffer keeps its message.
void ClearStatus();
// Shows tbuffer again.
void ShowStatus();
// Installed by each window that shows the message (the control window, the cue window's top
// bar): puts a text on screen.
void AddStatusDisplay(void (*display)(const char *text));
