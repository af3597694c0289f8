// The control window: status line, Show/Hide for the six other windows, the
// Store and Recall menus, Mix and Quit. Built from one table in creation order.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Output.H>

#include <cstdlib>

#include "state/callback.h"
#include "app/control.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "effects/matrix.h"
#include "faders/faders.h"
#include "files/project_files.h"
#include "prefs/prefs.h"

Fl_Double_Window *ControlWindow;
Fl_Output *TextResponse;

const char VersionLine[] = "Veltrane 1.0";

Fl_Menu_Item menu_Store[] = {
    {"Store Faders / Effects", 0, Callback<StageWriteToFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store Track Names", 0, Callback<StoreTrackNames>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store Preferences", 0, Callback<WritePreferencesFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store All", 0, Callback<SaveAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};

Fl_Menu_Item menu_Recall[] = {
    {"Recall Faders / Effects", 0, Callback<StageReadFromFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall Track Names", 0, Callback<ReadTracksFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall Preferences", 0, Callback<ReadPreferencesFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall All", 0, Callback<RecallAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Revert All", 0, Callback<RevertAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};


void ShowFaders() { FadersWindow->show(); }
void HideFaders() { FadersWindow->hide(); }
void ShowEffects() { EffectsWindow->show(); }
void HideEffects() { EffectsWindow->hide(); }
void ShowReverb() { ReverbWindow->show(); }
void HideReverb() { ReverbWindow->hide(); }
void ShowSubs() { SubWindow->show(); }
void HideSubs() { SubWindow->hide(); }
void ShowVCAs() { VCAWindow->show(); }
void HideVCAs() { VCAWindow->hide(); }
void HidePrefs() { PrefsWindow->hide(); }

// The preferences are refreshed first, so values changed by a recall show.
void ShowPrefs()
{
    UpdatePreferences();
    PrefsWindow->show();
}

// Quits at once: nothing is saved and nothing is asked.
void ProgramExit()
{
    exit(0);
}

namespace {

enum Kind { PLAIN, SHOW, HIDE, CAPTION, STATUS, MENU };

struct ControlWidget {
    Kind kind;
    int x, y, w, h;
    const char *label;
    Fl_Callback *callback;
    const Fl_Menu_Item *menu;
};

const ControlWidget control_widgets[] = {
    {PLAIN, 295, 50, 82, 20, "Mix", Callback<Mix>, 0},
    {SHOW, 8, 71, 40, 20, "Show", Callback<ShowFaders>, 0},
    {SHOW, 198, 127, 40, 20, "Show", Callback<ShowPrefs>, 0},
    {SHOW, 103, 71, 40, 20, "Show", Callback<ShowEffects>, 0},
    {SHOW, 10, 127, 40, 20, "Show", Callback<ShowSubs>, 0},
    {STATUS, 8, 15, 367, 20, 0, 0, 0},
    {CAPTION, 30, 47, 32, 16, "Faders", 0, 0},
    {CAPTION, 127, 47, 32, 16, "Effects", 0, 0},
    {CAPTION, 224, 103, 32, 16, "Preferences", 0, 0},
    {CAPTION, 34, 102, 32, 16, "Subs", 0, 0},
    {HIDE, 50, 71, 40, 20, "Hide", Callback<HideFaders>, 0},
    {HIDE, 145, 71, 40, 20, "Hide", Callback<HideEffects>, 0},
    {HIDE, 240, 127, 40, 20, "Hide", Callback<HidePrefs>, 0},
    {HIDE, 52, 127, 40, 20, "Hide", Callback<HideSubs>, 0},
    {PLAIN, 336, 140, 41, 20, "Quit", Callback<ProgramExit>, 0},
    {MENU, 295, 80, 82, 20, "Recall", 0, menu_Recall},
    {MENU, 295, 110, 82, 20, "Store", 0, menu_Store},
    {SHOW, 103, 127, 40, 20, "Show", Callback<ShowVCAs>, 0},
    {CAPTION, 127, 102, 32, 16, "VCAs", 0, 0},
    {HIDE, 145, 127, 40, 20, "Hide", Callback<HideVCAs>, 0},
    {SHOW, 198, 71, 40, 20, "Show", Callback<ShowReverb>, 0},
    {CAPTION, 222, 47, 32, 16, "Reverb", 0, 0},
    {HIDE, 240, 71, 40, 20, "Hide", Callback<HideReverb>, 0},
};

void DisplayStatus(const char *text)
{
    TextResponse->value(text);
}

void BuildControlWidget(const ControlWidget &row)
{
    switch (row.kind) {
    case STATUS:
        TextResponse = new Fl_Output(row.x, row.y, row.w, row.h);
        TextResponse->labelsize(12);
        TextResponse->textsize(12);
        return;
    case CAPTION: {
        Fl_Box *box = new Fl_Box(row.x, row.y, row.w, row.h, row.label);
        box->color(48);
        box->labelsize(12);
        box->labelcolor(215);
        return;
    }
    case MENU: {
        Fl_Menu_Button *menu = new Fl_Menu_Button(row.x, row.y, row.w, row.h, row.label);
        menu->menu(row.menu);
        return;
    }
    default: {
        Fl_Button *button = new Fl_Button(row.x, row.y, row.w, row.h, row.label);
        button->callback(row.callback);
        if (row.kind != PLAIN)
            button->labelsize(12);
        if (row.kind == HIDE)
            button->color(45);
        return;
    }
    }
}

} // namespace

Fl_Double_Window *make_window4()
{
    ControlWindow = new Fl_Double_Window(390, 175, "Veltrane");
    ControlWindow->color(97);
    for (const ControlWidget &row : control_widgets)
        BuildControlWidget(row);
    ControlWindow->end();
    AddStatusDisplay(DisplayStatus);
    ControlWindow->show();
    return ControlWindow;
}
