// Store All, Recall All and Mix: the three project files together, and the engine run.
#include <FL/Fl.H>
#include <FL/Fl_Input.H>

#include <cstring>

#include "app/control.h"
#include "app/launch.h"
#include "state/status_message.h"
#include "faders/faders.h"
#include "files/project_files.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

// Storing tracks.txt names the unnamed channels up to the last one "----" and mutes them:
// the faders window shows that at once, so its next mute or solo click does not undo it.
// (The stores also run in tests that build no window.)
bool StoreTrackNames()
{
    bool stored = WriteTracksFile();
    if (FadersWindow) {
        UpdateNames();
        UpdateMutes();
        UpdateSolos();
    }
    return stored;
}

// Stores prefs.txt, tracks.txt and faders.txt. Every store is tried, so one failing file
// does not cost the others; the status line then keeps the first failure's message.
bool SaveAll()
{
    // The table is already constant: its entries are constant pointers to functions.
    // cppcheck-suppress constVariable
    static bool (*const stores[])() = {WritePreferencesFile, StoreTrackNames, StageWriteToFile};
    bool stored = true;
    char failure[STATUS_SIZE] = "";
    for (bool (*store)() : stores) {
        if (!store() && stored) {
            stored = false;
            memcpy(failure, tbuffer, sizeof failure);
        }
    }
    if (!stored) {
        SetStatus("%s", failure);
        return false;
    }
    SetStatus("Save Complete");
    return true;
}

void RecallAll()
{
    StageReadFromFile();
    ReadTracksFile();
    ReadPreferencesFile();
}

// Stores the three files, then runs the engine on them and waits. The engine is not
// started when a store failed: it would render files that differ from the screen.
void Mix()
{
    if (!SaveAll())
        return;

    char program[PATH_SIZE + 8];
    EngineProgram(Path, program, sizeof program);
    bool search_path = Path[0] == 0;

    // The window does not respond while the engine runs: draw "Mixing" now.
    SetStatus("Mixing");
    Fl::flush();

    EngineRun run = RunEngine(program, search_path);
    char message[STATUS_SIZE];
    DescribeEngineRun(run, program, search_path, message, sizeof message);
    SetStatus("%s", message);
    // The status line has no room to say where the engine is set: the field says it.
    if (EngineNotFound(run)) {
        ShowPrefs();
        PathDisplay->take_focus();
    }
}
