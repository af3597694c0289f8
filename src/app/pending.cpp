// TEMPORARY: weak stand-ins for operations still being written in other modules.
// Each real definition overrides its stand-in; this file goes before the work lands.
#include "app/control.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "files/project_files.h"
#include "prefs/prefs.h"

#define PENDING __attribute__((weak))

PENDING int ReadFaderFile() { return 0; }
PENDING bool StageWriteToFile() { return false; }
PENDING int RecallFaderFile() { return 0; }
PENDING bool WriteTracksFile() { return false; }
PENDING bool RecallTracksFile() { return false; }
PENDING bool WritePreferencesFile() { return false; }
PENDING bool RecallPreferencesFile() { return false; }

PENDING bool SaveAll() { return false; }
PENDING void RecallAll() {}
PENDING void Mix() {}

PENDING int CurrentIndex() { return 0; }
PENDING int CurrentBank() { return 1; }
PENDING void UpdateVolumes() {}
PENDING void UpdateOffset() {}
PENDING void UpdateRamp() {}
PENDING void UpdateShape() {}
PENDING void UpdateChannelActive() {}
PENDING void UpdatePan() {}
PENDING void UpdateSolos() {}
PENDING void UpdateMutes() {}
PENDING void UpdateTime() {}
PENDING void UpdateDisplayNumbers() {}
PENDING void UpdateNames() {}
PENDING void UpdateIndexActive() {}
PENDING void UpdateCueName() {}
PENDING void UpdateMixName() {}
PENDING void StageVolDivavUpdate() {}

PENDING void UpdateEffectsWindows() {}
PENDING void RefreshEffectsName() {}
PENDING void UpdateSubmix() {}
PENDING void SubmixToArray() {}
PENDING void UpdateVCA() {}
PENDING void VcaToArray() {}

PENDING void UpdatePreferences() {}
PENDING void SetColor() {}
PENDING void ChooseDirectory(int) {}
PENDING void ChooseFile(int) {}
