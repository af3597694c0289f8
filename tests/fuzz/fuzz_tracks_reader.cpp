// tracks.txt reader on any text.
#include "files/tracks_file.h"
#include "fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ResetState();
    char *text = TerminatedCopy(data, size, TRACKS_TEXT_SIZE);
    ReadTracksText(text);
    free(text);
    CheckState();
    return 0;
}
