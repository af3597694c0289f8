// prefs.txt reader, and the scrub of its foreign lines, on any text.
#include "files/prefs_file.h"
#include "files/project_files.h"
#include "fuzz_support.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ResetState();
    char *text = TerminatedCopy(data, size, PREFS_FILE_SIZE);
    ReadPrefsText(text);
    CheckState();
    // The scrub may add one line end to a last line that lacks it.
    size_t length = strlen(text);
    text = (char *)realloc(text, length + 2);
    ScrubPrefs(text);
    if (strlen(text) > length + 1)
        __builtin_trap();
    free(text);
    return 0;
}
