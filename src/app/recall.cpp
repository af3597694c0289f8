// The recall menu items: the file work of the project-file layer, then the window refreshes.
#include "app/control.h"
#include "faders/faders.h"
#include "files/project_files.h"
#include "prefs/prefs.h"

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
