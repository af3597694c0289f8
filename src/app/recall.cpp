// The recall menu items: the file work of the project-file layer, then the views of what they
// read (a recall is also called on its own, not only from its menu item).
#include "app/control.h"
#include "app/views.h"
#include "faders/faders.h"
#include "files/project_files.h"

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
    ShowView(NAME_VIEW);
    ShowView(SOLO_VIEW);
    ShowView(MUTE_VIEW);
}

void ReadPreferencesFile()
{
    if (RecallPreferencesFile())
        ShowView(PREFERENCES_VIEW);
}
