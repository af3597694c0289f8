// Hostile forms of the three project files on disk, and what reading and storing each
// kind must do with them. Shared by the file-layer and the whole-program fault tests.
#pragma once

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "../faults/faults_support.h"
#include "state/status_message.h"
#include "files/faders_file.h"
#include "files/prefs_file.h"
#include "files/project_files.h"
#include "files/tracks_file.h"
#include "state/mix_state.h"

// How a file kind answers a read that found nothing to read.
enum ReadAnswer {
    ANSWER_BYTES,      // "Read <file size> bytes from <name>"
    ANSWER_ZERO,       // "Read 0 bytes from <name>"
    ANSWER_REFUSED,    // the kind's message for a file that cannot be read
    ANSWER_TOO_LARGE,  // "Could not read <name>: larger than <limit> bytes"
    ANSWER_SILENT,     // the status line is left as it was
    ANSWER_AS_MISSING, // what the kind does for a missing file
};

struct FileKind {
    const char *name;
    int limit;                  // the largest file read, in bytes
    bool (*read)();
    bool (*store)();
    ReadAnswer missing;         // a missing file: faders.txt is created, the others skipped
    const char *unreadable;     // the status for a file that exists but cannot be read
    bool carriesForeign;        // a store keeps the old file's lines it does not own
    const char *head;           // a valid text: one setting, then a foreign line if any
    const char *afterNul;       // a setting placed after NUL bytes
    const char *manyLine;       // one short line, repeated up to the limit
};

inline bool ReadFaders() { return RecallFaderFile() > 0; }

inline const FileKind Kinds[] = {
    {"faders.txt", FADER_FILE_LIMIT, ReadFaders, StageWriteToFile, ANSWER_ZERO,
     "Read 0 bytes from faders.txt", true,
     "limitmix\r\ncomp\t3\t1\t2\t3\t4\r\nengine\tkeep me\r\n", "hp\t4\t50\r\n", "t\n"},
    {"tracks.txt", TRACKS_TEXT_SIZE - 1, RecallTracksFile, WriteTracksFile, ANSWER_SILENT,
     "Could not read tracks.txt", false, "1 Kick ++\r\n", "2 Snare ++\r\n", "9 Ch ++\n"},
    {"prefs.txt", PREFS_FILE_SIZE - 1, RecallPreferencesFile, WritePreferencesFile, ANSWER_SILENT,
     "Could not read prefs.txt", true, "color\t5\r\nengine\tkeep me\r\n", "color\t6\r\n",
     "color\t7\n"},
};

// A hostile form of the file; what the read and the store of each kind must do.
struct HostileCase {
    const char *label;
    void (*make)(const FileKind &kind);
    ReadAnswer read;
    bool readsSetting;     // the read takes the head's setting into the state
    bool stores;           // the store replaces the file (else it refuses and keeps it)
    bool keepsForeign;     // a stored file still holds the old foreign line
    bool asOwnUser;        // the case holds for any user: no unprivileged child is needed
};

inline std::string Head(const FileKind &kind) { return kind.head; }

// The head followed by `line` repeated until the text is `size` bytes long.
inline std::string Padded(const FileKind &kind, const std::string &line, size_t size)
{
    std::string text = Head(kind);
    while (text.size() + line.size() <= size)
        text += line;
    text.append(size - text.size(), '\n');
    return text;
}

inline void MakeDirectory(const FileKind &kind)
{
    mkdir(kind.name, 0777);
    std::string inside = std::string(kind.name) + "/inside";
    PutDisk(inside.c_str(), "keep\n");
}
inline void MakeDanglingLink(const FileKind &kind) { symlink("nowhere/target.txt", kind.name); }
inline void MakeWithMode(const FileKind &kind, mode_t mode)
{
    PutDisk(kind.name, Head(kind));
    chmod(kind.name, mode);
}
inline void MakeUnreadable(const FileKind &kind) { MakeWithMode(kind, 0000); }
inline void MakeWriteOnly(const FileKind &kind) { MakeWithMode(kind, 0200); }
inline void MakeNamedPipe(const FileKind &kind) { mkfifo(kind.name, 0666); }
inline void MakeEmpty(const FileKind &kind) { PutDisk(kind.name, ""); }
inline void MakeOneByte(const FileKind &kind) { PutDisk(kind.name, "x"); }
inline void MakeAtLimit(const FileKind &kind) { PutDisk(kind.name, Padded(kind, "\n", kind.limit)); }
inline void MakeOverLimit(const FileKind &kind) { PutDisk(kind.name, Padded(kind, "\n", kind.limit + 1)); }
inline void MakeWithNul(const FileKind &kind)
{
    PutDisk(kind.name, Head(kind) + std::string("\0\0bytes\0\r\n", 10) + kind.afterNul);
}
inline void MakeCrOnly(const FileKind &kind)
{
    std::string text = Head(kind);
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at + 1, 1);
    PutDisk(kind.name, text + "end\r");
}
inline void MakeManyLines(const FileKind &kind)
{
    std::string text = Head(kind);
    for (int i = 0; i < 100000; i++)
        text += kind.manyLine;
    PutDisk(kind.name, text);
}
inline void MakeFullOfRecords(const FileKind &kind) { PutDisk(kind.name, Padded(kind, kind.manyLine, kind.limit)); }

inline const HostileCase Cases[] = {
    {"directory", MakeDirectory, ANSWER_REFUSED, false, false, false, true},
    {"dangling link", MakeDanglingLink, ANSWER_AS_MISSING, false, true, false, true},
    {"unreadable", MakeUnreadable, ANSWER_REFUSED, false, false, false, false},
    {"write-only", MakeWriteOnly, ANSWER_REFUSED, false, true, true, false},
    {"empty", MakeEmpty, ANSWER_ZERO, false, true, false, true},
    {"one byte", MakeOneByte, ANSWER_BYTES, false, true, false, true},
    {"at the limit", MakeAtLimit, ANSWER_BYTES, true, true, true, true},
    {"one byte over", MakeOverLimit, ANSWER_TOO_LARGE, false, true, true, true},
    {"NUL bytes", MakeWithNul, ANSWER_BYTES, true, true, true, true},
    {"CR-only line ends", MakeCrOnly, ANSWER_BYTES, true, true, false, true},
    {"100000 lines", MakeManyLines, ANSWER_BYTES, true, true, true, true},
    {"short lines up to the limit", MakeFullOfRecords, ANSWER_BYTES, true, true, true, true},
    // Opening a named pipe for reading waits for a writer that never comes.
    {"named pipe", MakeNamedPipe, ANSWER_REFUSED, false, true, false, false},
};

// The status line a read must leave.
inline std::string ExpectedReadStatus(const FileKind &kind, ReadAnswer answer, long size)
{
    char text[STATUS_SIZE];
    if (answer == ANSWER_AS_MISSING)
        answer = kind.missing;
    if (answer == ANSWER_BYTES && size > kind.limit)
        answer = ANSWER_TOO_LARGE;
    switch (answer) {
    case ANSWER_BYTES:
        snprintf(text, sizeof text, "Read %ld bytes from %s", size, kind.name);
        break;
    case ANSWER_ZERO:
        snprintf(text, sizeof text, "Read 0 bytes from %s", kind.name);
        break;
    case ANSWER_REFUSED:
        return kind.unreadable;
    case ANSWER_TOO_LARGE:
        snprintf(text, sizeof text, "Could not read %s: larger than %d bytes", kind.name, kind.limit);
        break;
    case ANSWER_SILENT:
    case ANSWER_AS_MISSING:
        return "before";
    }
    return text;
}

// The bytes of a file that may be mode 000 or write-only; its mode is kept. A named
// pipe is not opened.
inline std::string TextAsRoot(const char *name)
{
    struct stat info;
    if (lstat(name, &info) == 0 && S_ISFIFO(info.st_mode))
        return "<named pipe>";
    if (lstat(name, &info) != 0 || !S_ISREG(info.st_mode))
        return DiskText(name);
    chmod(name, 0644);
    std::string text = DiskText(name);
    chmod(name, info.st_mode & 07777);
    return text;
}

