// The file and directory choosers behind the "*" buttons. One chooser is created on
// the first click and reused afterwards; BrowseNumber says which field it fills.
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>

#include "app/callback.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

Fl_File_Chooser *CH;

namespace {

const int STRIPS_PER_BANK = 10;

void OpenChooser(int field, int type, void (*chosen)(Fl_File_Chooser *, void *))
{
    BrowseNumber = field;
    if (!CH)
        CH = new Fl_File_Chooser(".", 0, type, 0);
    CH->type(type);
    CH->directory(".");
    CH->callback(chosen);
    CH->show();
}

// The chooser also reports selections made while it is still open; only a choice
// that closed it (OK or a double click) counts.
const char *ClosingChoice(Fl_File_Chooser *chooser)
{
    if (!chooser || chooser->shown())
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
    if (ClosingChoice(chooser))
        SetChosenDirectory(chooser->directory());
}

void Set_File(Fl_File_Chooser *chooser, void *)
{
    if (const char *file = ClosingChoice(chooser))
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
    CopyText(field.text, PATH_SIZE, directory);
    (*field.display)->value(field.text);
}

// Names channel (Bank - 1) x 10 + BrowseNumber after the file and shows the name everywhere.
void SetChosenFile(const char *file)
{
    if (BrowseNumber < 1 || BrowseNumber > STRIPS_PER_BANK || !file)
        return;
    int channel = (CurrentBank() - 1) * STRIPS_PER_BANK + BrowseNumber;
    if (channel < 1 || channel > CHANNEL_COUNT)
        return;
    CopyText(NameBuffer[ChannelSlot(channel)], NAME_SIZE, file);
    UpdateNames();
    UpdateSubmix();
    UpdateVCA();
}
