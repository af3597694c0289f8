// The undo history of the mix. The mix is fixed-size global tables, so a step is found
// without knowing what the operation did: after each finished operation the journal compares
// the tables with a shadow copy, keeps the changed byte ranges (old and new bytes) as one
// step and brings the shadow up to date. Undo writes a step's old bytes back, redo its new
// bytes, so both are exact to the byte. GUI-free.
#pragma once
#include <cstddef>
#include <string>

// How a table's elements are addressed, for the descriptions of the steps.
enum TableShape {
    PER_SLOT_AND_INDEX,   // slot-major automation: element slot * 512 + index
    PER_INDEX,            // one element per time index
    PER_SLOT,             // one element per slot
    EFFECT_ROWS,          // one row of effect cells per slot
    ROUTING,              // one row of 8 cells per channel
    SCALAR,               // numbers without slot or index
    TEXT,                 // a string buffer
};

// Which part of which window shows a table; the app maps each view to its refreshes once.
enum MixView {
    NO_VIEW,              // shown by no window
    VOLUME_VIEW, OFFSET_VIEW, RAMP_VIEW, SHAPE_VIEW, AUTO_VIEW,   // the strips at the current index
    TIME_VIEW, INDEX_ACTIVE_VIEW, CUE_NAME_VIEW,                  // the current index's own fields
    NAME_VIEW, MUTE_VIEW, SOLO_VIEW, PAN_VIEW,                    // per slot
    MIX_NAME_VIEW,
    SUBMIX_VIEW, VCA_VIEW,                                        // the two matrices
    EFFECTS_VIEW,                                                 // the effects and reverb windows
    PREFERENCES_VIEW,
    VIEW_COUNT
};

struct JournalTable {
    const char *name;     // how the status line names the table; nullptr: an effect table, named
                          // by the effect table (state/effects.h)
    void *address;
    size_t size;
    TableShape shape;
    MixView view;
};

// The name of a table in the descriptions of the steps.
const char *JournalTableName(const JournalTable &table);

// Every table of the mix, once. Left out on purpose: the text buffer of a store or recall
// (reserve_fbuff) and the status line (tbuffer), which are scratch; the slot the effects
// window shows (CNL), the current index and bank (state/position.h) and the field the chooser
// fills (BrowseNumber), which are views.
extern const JournalTable JournalTables[];
extern const int JOURNAL_TABLE_COUNT;
// The bytes the journaled tables hold together.
size_t JournaledStateSize();
// A picture of the whole mix: the bytes of every journaled table, in their order; and the
// mix put back from such a picture.
std::string TakeJournaledState();
void PutJournaledState(const std::string &bytes);

enum {
    JOURNAL_STEPS = 10000,                 // steps kept at least
    JOURNAL_BYTES = 64 * 1024 * 1024,      // memory the history may hold
};

// Empties the history and takes the current state as its starting point.
void JournalStart();
// Records what changed since the last record as one step, and returns whether anything did.
// `run` names the widget whose consecutive changes form one step: when it equals the run of
// the previous record and that record's step is still the newest, the changes join that
// step. nullptr never joins. `operation` names the step in its description (a menu item), or
// nullptr to name the table and the cue point or strip that changed; a joining record that
// names the step renames it (a run of nudges says what the whole run did).
bool JournalRecord(const void *run, const char *operation);
// Names the step of the next record, for an operation that knows best what it did ("insert cue
// point 16"): the name wins over the one JournalRecord is given, and the step joins no run. The
// next record forgets it, whether or not anything changed.
void JournalNameNextStep(const char *operation);
// The same for the steps of a run ("+1.0 dB on 9 cells" at each nudge): the next record joins
// the newest step when that is the run's, and renames it.
void JournalNameNextRun(const void *run, const char *operation);
// Whether a record of `run` now would join the newest step.
bool JournalRunOpen(const void *run);
// Whether the table at `address` changed in the last record, for the windows' refreshes.
bool JournalRecordChanged(const void *address);
// Undo or redo one step and describe it ("volume, index 5, channel 13", "Recall All") in
// `description`. False, with the description empty, at the end of the history.
bool JournalUndo(char *description, int size);
bool JournalRedo(char *description, int size);

int JournalUndoCount();
int JournalRedoCount();
// Memory held by the history, in bytes.
size_t JournalBytes();
// Lowers the bounds (tests); JournalStart keeps them.
void JournalSetLimits(size_t steps, size_t bytes);
