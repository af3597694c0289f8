// The recall menu items: the file work of the project-file layer, then the window refreshes.
#include <string>

#include "app/control.h"
#include "faders/faders.h"
#include "files/faders_file.h"
#include "files/file_io.h"
#include "files/prefs_file.h"
#include "files/project_files.h"
#include "files/tracks_file.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"
#include "state/status_message.h"
#include "state/undo_journal.h"

void StageReadFromFile()
{
    RecallFaderFile();
    StageVolDivavUpdate();
    UpdateGUI();
}

void ReadTracksFile()
{
    if (!RecallTracksFile())
        return;
    UpdateNames();
    UpdateSolos();
    UpdateMutes();
}

void ReadPreferencesFile()
{
    if (RecallPreferencesFile())
        UpdatePreferences();
}

// ---- Revert All ------------------------------------------------------------------------

namespace {

std::string start_up_state;   // the whole mix as start-up left it

// What Revert All reads. faders.txt must hold a mix; the other two may be missing or empty
// (the mix then keeps their start-up values), but one that is there must be read whole.
const struct {
    const char *name;
    int capacity;
    bool needed;
} RevertedFiles[] = {
    {FADERS_FILE, FADER_TEXT_SIZE, true},
    {TRACKS_FILE, TRACKS_TEXT_SIZE, false},
    {PREFS_FILE, PREFS_FILE_SIZE, false},
};

// Whether every file can be read as Revert All needs it; if not, the status line says why.
// The texts are only looked at: reserve_fbuff is scratch between operations.
bool FilesReadable()
{
    for (const auto &file : RevertedFiles) {
        int size = 0;
        const LoadResult result = LoadWholeFile(file.name, reserve_fbuff, file.capacity, &size);
        reserve_fbuff[0] = 0;
        const bool missing = result == LOAD_MISSING || result == LOAD_EMPTY;
        if (result == LOAD_OK || (missing && !file.needed))
            continue;
        if (result == LOAD_MISSING)
            SetStatus("Revert All: no %s here; the mix is unchanged", file.name);
        else if (result == LOAD_EMPTY)
            SetStatus("Revert All: %s is empty; the mix is unchanged", file.name);
        else if (result == LOAD_TOO_LARGE)
            SetStatus("Revert All: %s is larger than %i bytes; the mix is unchanged", file.name,
                      file.capacity - 1);
        else
            SetStatus("Revert All: cannot read %s; the mix is unchanged", file.name);
        return false;
    }
    return true;
}

} // namespace

void KeepStartUpState()
{
    start_up_state = TakeJournaledState();
}

// Recall All merges the files into the mix; Revert All first puts the mix back to its
// start-up state, so nothing the files do not hold is left from memory.
void RevertAll()
{
    if (!FilesReadable())
        return;
    PutJournaledState(start_up_state);
    RecallAll();
}
