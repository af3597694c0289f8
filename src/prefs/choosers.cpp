// The file and directory choosers behind the "*" buttons. One chooser is created on
// the first click and reused afterwards; BrowseNumber says which field it fills.
#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>

#include "state/callback.h"
#include "effects/matrix.h"
#include "state/bank.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

Fl_File_Chooser *CH;

namespace {

// Each opening starts as a new chooser would: on the working directory, nothing chosen
// (the rescan clears the name and selection of the last choice and sets OK for the type).
void OpenChooser(int field, int type, void (*chosen)(Fl_File_Chooser *, void *))
{
    BrowseNumber = field;
    if (!CH)
        CH = new Fl_File_Chooser(".", 0, type, 0);
    CH->type(type);
    CH->directory(".");
    CH->rescan();
    CH->callback(chosen);
    CH->show();
}

bool IsReturnKey()
{
    const int event = Fl::event(), key = Fl::event_key();
    return (event == FL_KEYBOARD || event == FL_SHORTCUT) && (key == FL_Enter || key == FL_KP_Enter);
}

// The chooser also reports selections made while it is still open. A choice either
// closed it (OK, a double click) or was confirmed with Return, which the chooser
// reports before it closes. Cancel and closing the window leave no value.
const char *ConfirmedChoice(Fl_File_Chooser *chooser)
{
    if (!chooser || (chooser->shown() && !IsReturnKey()))
        return 0;
    return chooser->value(1);
}

} // namespace

void ChooseDirectory(int field)
{
    OpenChooser(field, Fl_File_Chooser::DIRECTORY, Callback<Set_Directory>);
}

void ChooseFile(int strip)
{
    OpenChooser(strip, Fl_File_Chooser::SINGLE, Callback<Set_File>);
}

void Set_Directory(Fl_File_Chooser *chooser, void *)
{
    if (ConfirmedChoice(chooser))
        SetChosenDirectory(chooser->directory());
}

void Set_File(Fl_File_Chooser *chooser, void *)
{
    if (const char *file = ConfirmedChoice(chooser))
        SetChosenFile(file);
}

// Copied as given, cut to fit: no separator is added (the launch appends "tolvex" to Path).
void SetChosenDirectory(const char *directory)
{
    struct Field { char *text; Fl_Input **display; };
    const Field fields[] = {{Path, &PathDisplay}, {WavDirName, &WavDirDisplay}, {MixDirName, &MixDirDisplay}};
    if (BrowseNumber < 1 || BrowseNumber > 3 || !directory)
        return;
    const Field &field = fields[BrowseNumber - 1];
    CopyOneLine(field.text, PATH_SIZE, directory);
    (*field.display)->value(field.text);
}

// Names the channel of strip BrowseNumber in the shown bank after the file and shows the
// name everywhere.
void SetChosenFile(const char *file)
{
    if (BrowseNumber < 1 || BrowseNumber > CHANNEL_STRIPS || !file)
        return;
    const int slot = StripSlot(BrowseNumber, CurrentBank());
    if (slot < 0)
        return;
    CopyOneLine(NameBuffer[slot], NAME_SIZE, file);
    UpdateNames();
    UpdateSubmix();
    UpdateVCA();
}
