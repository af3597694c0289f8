// faders.txt reader on any text: the settings passes, then the automation pass.
#include "files/project_files.h"
#include "fuzz_support.h"
#include "state/mix_state.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    SilenceStandardOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ResetState();
    char *text = TerminatedCopy(data, size, FADER_TEXT_SIZE);
    ParseBufferMulti(text);
    ReadVolumes(text);
    free(text);
    CheckState();
    return 0;
}
