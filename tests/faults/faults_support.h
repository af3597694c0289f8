// Fault injection for the file tests: work done in an unprivileged child process,
// a file-size limit imposed by the kernel, a snapshot of the whole mix state and a
// checker that every table holds values the program could have put there.
#pragma once

#include <csignal>
#include <grp.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../core/journaled_state.h"
#include "state/status_message.h"
#include "state/mix_state.h"

enum { NOBODY_ID = 65534 };

// What a child reports back through its pipe.
struct ChildReport {
    int result;                  // the operation's return value (1/0), or -1
    char status[STATUS_SIZE];    // tbuffer after the operation
    char detail[512];            // anything else the child checked; empty when all is well
};

// Gives a file to the unprivileged user, so that a child running as that user meets
// only the permissions the test chose (a no-op when the tests do not run as root).
inline void GiveToNobody(const char *name)
{
    if (getuid() == 0 && lchown(name, NOBODY_ID, NOBODY_ID) != 0)
        perror(name);
}

// Runs `work` in a forked child and returns its report. `prepare` runs first in the
// child (dropping privileges, limiting file sizes); a child that cannot prepare, or
// dies, reports result -1 and says why in `detail`.
template <typename Prepare, typename Work>
ChildReport RunInChild(Prepare prepare, Work work)
{
    ChildReport report{};
    int channel[2];
    if (pipe(channel) != 0) {
        snprintf(report.detail, sizeof report.detail, "pipe failed");
        report.result = -1;
        return report;
    }
    fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        ChildReport mine{};
        if (!prepare()) {
            mine.result = -1;
            snprintf(mine.detail, sizeof mine.detail, "child could not drop privileges or set limits");
        } else {
            mine.result = work(mine.detail, (int)sizeof mine.detail) ? 1 : 0;
            memcpy(mine.status, tbuffer, sizeof mine.status);
        }
        ssize_t sent = write(channel[1], &mine, sizeof mine);
        fflush(stdout);
        _exit(sent == (ssize_t)sizeof mine ? 0 : 1);
    }
    close(channel[1]);
    ssize_t got = read(channel[0], &report, sizeof report);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != (ssize_t)sizeof report || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        report = ChildReport{};
        report.result = -1;
        snprintf(report.detail, sizeof report.detail, "child died (wait status %d)", status);
    }
    return report;
}

// Drops to the unprivileged user; permissions then bind even when the tests run as root.
inline bool DropToNobody()
{
    if (getuid() != 0)
        return true;
    return setgroups(0, nullptr) == 0 && setgid(NOBODY_ID) == 0 && setuid(NOBODY_ID) == 0 &&
           setuid(0) != 0;
}

// Every file written from now on stops at `bytes`: the write that would pass it fails
// with EFBIG, as on a full disk.
inline bool LimitFileSize(long bytes)
{
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {(rlim_t)bytes, (rlim_t)bytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// ---- The mix state ---------------------------------------------------------------------

// The whole mix state as bytes, to tell whether an operation changed anything: the tables the
// undo journal keeps (../core/journaled_state.h).
inline std::string StateBytes()
{
    return JournaledState();
}

// ---- Values in range -------------------------------------------------------------------

struct FlagTable {
    const char *name;
    const int *cells;
    int count;
};

static const FlagTable FlagTables[] = {
    {"ChanActive", ChanActive, SLOT_COUNT * INDEX_COUNT},
    {"IndexActiveArray", IndexActiveArray, INDEX_COUNT},
    {"MuteArray", MuteArray, SLOT_COUNT},
    {"SoloArray", SoloArray, SLOT_COUNT},
    {"SubAsn", SubAsn, ROUTING_ROWS * GROUP_COUNT},
    {"VcaAsn", VcaAsn, ROUTING_ROWS * GROUP_COUNT},
    {"SubOn", SubOn, GROUP_COUNT},
    {"VcaOn", VcaOn, GROUP_COUNT},
    {"monoOn", &monoOn, 1},
    {"PreviewOn", &PreviewOn, 1},
};

struct TextTable {
    const char *name;
    const char *text;
    int size;    // bytes of one text
    int count;   // texts in the table
};

static const TextTable TextTables[] = {
    {"NameBuffer", NameBuffer[0], NAME_SIZE, SLOT_COUNT},
    {"CueNameBuffer", CueNameBuffer[0], CUE_SIZE, INDEX_COUNT},
    {"MixName", MixName, NAME_SIZE, 1},
    {"Path", Path, PATH_SIZE, 1},
    {"WavDirName", WavDirName, PATH_SIZE, 1},
    {"MixDirName", MixDirName, PATH_SIZE, 1},
    {"LaunchCommand", LaunchCommand, PATH_SIZE, 1},
    {"DeviceName", DeviceName, SHORT_TEXT_SIZE, 1},
};

// The first value that no reader may leave behind, described; empty when all is in
// range. Flags are 0 or 1; texts are terminated within their buffers and hold no line
// end (a stored file would otherwise gain a line).
inline std::string StateProblem()
{
    char problem[160];
    for (const FlagTable &table : FlagTables)
        for (int i = 0; i < table.count; i++)
            if (table.cells[i] != 0 && table.cells[i] != 1) {
                snprintf(problem, sizeof problem, "%s[%d] = %d", table.name, i, table.cells[i]);
                return problem;
            }
    for (const TextTable &table : TextTables)
        for (int i = 0; i < table.count; i++) {
            const char *text = table.text + (size_t)i * table.size;
            size_t length = strnlen(text, table.size);
            if (length == (size_t)table.size || memchr(text, '\n', length)) {
                snprintf(problem, sizeof problem, "%s[%d] is %s", table.name, i,
                         length == (size_t)table.size ? "not terminated" : "holding a line end");
                return problem;
            }
        }
    return "";
}

// ---- Files -----------------------------------------------------------------------------

// Everything left in a stream.
inline std::string StreamText(FILE *stream)
{
    std::string text;
    char chunk[4096];
    for (size_t got; (got = fread(chunk, 1, sizeof chunk, stream)) > 0;)
        text.append(chunk, got);
    return text;
}

inline std::string DiskText(const char *name)
{
    FILE *file = fopen(name, "rb");
    if (!file)
        return "<absent>";
    std::string text = StreamText(file);
    fclose(file);
    return text;
}

inline void PutDisk(const char *name, const std::string &text)
{
    FILE *file = fopen(name, "wb");
    if (!file) {
        perror(name);
        return;
    }
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

// The names in the working directory, sorted, one per line: to see that a failed store
// left no temporary file and created nothing.
inline std::string DirectoryListing(const char *dir = ".")
{
    std::string command = std::string("ls -A ") + dir + " 2>&1";
    FILE *ls = popen(command.c_str(), "r");
    if (!ls)
        return "<ls failed>";
    std::string listing = StreamText(ls);
    pclose(ls);
    return listing;
}
