// Store after recall. The input holds up to three texts separated by zero bytes:
// faders.txt, tracks.txt, prefs.txt. They are recalled into the start-up state, then
// each file is stored, recalled again (which must succeed) and stored once more: the
// second store must give the text of the first.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "files/project_files.h"
#include "state/mix_state.h"
#include "fuzz_support.h"

struct ProjectFile {
    const char *name;
    bool (*store)();
    bool (*recall)();
    // A line the first store may write that the second leaves out: a value printed at
    // file precision as the default the writer omits.
    bool (*fadesOnSecondStore)(const std::string &line);
};

static bool StoreFaders() { return StageWriteToFile(); }
static bool RecallFaders() { return RecallFaderFile() > 0; }

static bool StartsWith(const std::string &line, const char *prefix)
{
    return line.compare(0, strlen(prefix), prefix) == 0;
}

static bool EndsWith(const std::string &line, const char *suffix)
{
    size_t length = strlen(suffix);
    return line.size() >= length && line.compare(line.size() - length, length, suffix) == 0;
}

// A pan under half a percent is written as 0 (or -0), which reads back as no pan; an
// offset, ramp or shape likewise at three decimals.
static bool FaderDefaultAtPrecision(const std::string &line)
{
    if (StartsWith(line, "p\t"))
        return EndsWith(line, "\t0") || EndsWith(line, "\t-0");
    return line == "ofs\t0.000" || line == "ofs\t-0.000" || line == "rmp\t0.000" ||
           line == "rmp\t-0.000" || line == "shape\t1.000";
}

// "rev\tG\t9" to "G\t16" read a send into a VCA slot: it switches the reverb lines on, but
// a VCA has no effect lines, so after the second recall those lines are left out.
static bool vca_send_on;

static bool SendOfVca()
{
    for (int slot = VcaSlot(1); slot <= VcaSlot(GROUP_COUNT); slot++)
        if (Prev[slot][0] == 1.0f || Ptrev[slot][0] == 1.0f)
            return true;
    return false;
}

static bool FaderLineFades(const std::string &line)
{
    if (vca_send_on && (StartsWith(line, "rtn\t") || StartsWith(line, "trtn\t") ||
                        StartsWith(line, "width\t") || StartsWith(line, "pos\t")))
        return true;
    return FaderDefaultAtPrecision(line);
}

static bool NeverFades(const std::string &) { return false; }

// A pan law under 0.05 is written as 0.0, which the writer then leaves out.
static bool PanlawAtZero(const std::string &line) { return line == "pan\t0.0"; }

static const ProjectFile Files[] = {
    {"faders.txt", StoreFaders, RecallFaders, FaderLineFades},
    {"tracks.txt", WriteTracksFile, RecallTracksFile, NeverFades},
    {"prefs.txt", WritePreferencesFile, RecallPreferencesFile, PanlawAtZero},
};

static std::string Disk(const char *name)
{
    std::string text;
    FILE *file = fopen(name, "rb");
    if (!file)
        __builtin_trap();
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    fclose(file);
    return text;
}

static void Put(const char *name, const uint8_t *data, size_t size)
{
    FILE *file = fopen(name, "wb");
    if (!file || fwrite(data, 1, size, file) != size)
        __builtin_trap();
    fclose(file);
}

// True when `second` is `first` with only lines that fade on a second store left out.
static bool SameAfterStore(const ProjectFile &file, const std::string &first, const std::string &second)
{
    size_t a = 0, b = 0;
    while (a < first.size()) {
        size_t endA = first.find('\n', a);
        size_t endB = b < second.size() ? second.find('\n', b) : std::string::npos;
        std::string lineA = first.substr(a, endA - a);
        std::string lineB = b < second.size() ? second.substr(b, endB - b) : std::string();
        a = endA == std::string::npos ? first.size() : endA + 1;
        if (b < second.size() && lineA == lineB) {
            b = endB == std::string::npos ? second.size() : endB + 1;
            continue;
        }
        if (lineA.empty() || lineA.back() != '\r' ||
            !file.fadesOnSecondStore(lineA.substr(0, lineA.size() - 1)))
            return false;
    }
    return b >= second.size();
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    EnterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ResetState();
    size_t start = 0;
    for (const ProjectFile &file : Files) {
        if (start > size) {
            unlink(file.name);
            continue;
        }
        const uint8_t *end = (const uint8_t *)memchr(data + start, 0, size - start);
        size_t length = end ? (size_t)(end - (data + start)) : size - start;
        Put(file.name, data + start, length);
        start += length + 1;
    }
    for (const ProjectFile &file : Files)
        file.recall();
    CheckState();
    vca_send_on = SendOfVca();

    for (const ProjectFile &file : Files) {
        if (!file.store())
            continue;   // a refusal (a text too large) leaves nothing to compare
        std::string first = Disk(file.name);
        if (!file.recall())
            __builtin_trap();
        CheckState();
        if (!file.store())
            __builtin_trap();
        if (!SameAfterStore(file, first, Disk(file.name)))
            __builtin_trap();
    }
    return 0;
}
