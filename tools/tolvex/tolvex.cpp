// tolvex: a stand-in for the mixing engine. Run with no arguments in a project folder,
// it reads faders.txt, tracks.txt and prefs.txt with the editor's own readers, prints
// a summary of the mix it would render and writes the same summary to tolvex.log.
// A missing or unreadable project file ends it with a message and status 1; it never
// creates or changes the project files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/project_files.h"
#include "state/mix_state.h"
#include "summary.h"

namespace {

const char *const project_files[] = {"faders.txt", "tracks.txt", "prefs.txt"};

// Checked before any reader runs, since the faders reader creates a missing file.
bool Readable(const char *name)
{
    int fd = open(name, O_RDONLY);
    if (fd < 0) {
        fprintf(stderr, "tolvex: cannot read %s: %s\n", name, strerror(errno));
        return false;
    }
    struct stat info;
    bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    if (!regular)
        fprintf(stderr, "tolvex: %s is not a regular file\n", name);
    return regular;
}

bool ReadProject()
{
    ClearInternalArrays();
    if (RecallFaderFile() <= 0) {
        fprintf(stderr, "tolvex: faders.txt is empty or could not be read\n");
        return false;
    }
    if (!RecallTracksFile()) {
        fprintf(stderr, "tolvex: tracks.txt could not be read\n");
        return false;
    }
    if (!RecallPreferencesFile()) {
        fprintf(stderr, "tolvex: prefs.txt could not be read\n");
        return false;
    }
    return true;
}

bool WriteLog()
{
    FILE *log = fopen("tolvex.log", "w");
    if (!log) {
        fprintf(stderr, "tolvex: cannot write tolvex.log: %s\n", strerror(errno));
        return false;
    }
    PrintSummary(log);
    bool written = !ferror(log);
    if (fclose(log) != 0 || !written) {
        fprintf(stderr, "tolvex: cannot write tolvex.log\n");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **)
{
    if (argc > 1) {
        fprintf(stderr, "tolvex: takes no arguments; run it in the project folder\n");
        return 2;
    }
    for (const char *name : project_files) {
        if (!Readable(name))
            return 1;
    }
    if (!ReadProject())
        return 1;
    PrintSummary(stdout);
    return WriteLog() ? 0 : 1;
}
