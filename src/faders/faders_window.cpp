// The faders window: the controls of the time index and the mix above thirteen strips.
// Strips 1..10 are the bank's channels, 11 its submix, 12 its VCA and 13 the master.
// The strips are one row layout stepped down by ROW_STEP pixels.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>

#include "state/callback.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "prefs/prefs.h"

Fl_Double_Window *FadersWindow;
Fl_Spinner *TimeIndex;
Fl_Spinner *Bank;

Fl_Button *IndexActive;
Fl_Input *CueName;
Fl_Value_Input *GuiMin, *GuiSec, *GuiMsec;
Fl_Input *MixNameInput;
Fl_Button *MixButton3;

Fl_Spinner *vol1, *vol2, *vol3, *vol4, *vol5, *vol6, *vol7, *vol8, *vol9, *vol10, *vol11, *vol12, *vol13;
Fl_Value_Input *ofs1, *ofs2, *ofs3, *ofs4, *ofs5, *ofs6, *ofs7, *ofs8, *ofs9, *ofs10, *ofs11, *ofs12, *ofs13;
Fl_Value_Input *ramp1, *ramp2, *ramp3, *ramp4, *ramp5, *ramp6, *ramp7, *ramp8, *ramp9, *ramp10, *ramp11, *ramp12, *ramp13;
Fl_Value_Input *shape1, *shape2, *shape3, *shape4, *shape5, *shape6, *shape7, *shape8, *shape9, *shape10, *shape11, *shape12, *shape13;
Fl_Value_Input *pan1, *pan2, *pan3, *pan4, *pan5, *pan6, *pan7, *pan8, *pan9, *pan10, *pan11, *pan12, *pan13;
Fl_Button *A1, *A2, *A3, *A4, *A5, *A6, *A7, *A8, *A9, *A10, *A11, *A12, *A13;
Fl_Button *solo1, *solo2, *solo3, *solo4, *solo5, *solo6, *solo7, *solo8, *solo9, *solo10, *solo11, *solo12;
Fl_Button *mute1, *mute2, *mute3, *mute4, *mute5, *mute6, *mute7, *mute8, *mute9, *mute10, *mute11, *mute12;
Fl_Value_Output *DispNum1, *DispNum2, *DispNum3, *DispNum4, *DispNum5, *DispNum6, *DispNum7, *DispNum8,
    *DispNum9, *DispNum10, *DispNum11, *DispNum12;
Fl_Input *name1, *name2, *name3, *name4, *name5, *name6, *name7, *name8, *name9, *name10, *name11, *name12;
Fl_Output *name13;
Fl_Button *browse1, *browse2, *browse3, *browse4, *browse5, *browse6, *browse7, *browse8, *browse9, *browse10;

Fl_Spinner **const VolumeStrip[STRIP_COUNT] = {
    &vol1, &vol2, &vol3, &vol4, &vol5, &vol6, &vol7, &vol8, &vol9, &vol10, &vol11, &vol12, &vol13};
Fl_Value_Input **const OffsetStrip[STRIP_COUNT] = {
    &ofs1, &ofs2, &ofs3, &ofs4, &ofs5, &ofs6, &ofs7, &ofs8, &ofs9, &ofs10, &ofs11, &ofs12, &ofs13};
Fl_Value_Input **const RampStrip[STRIP_COUNT] = {
    &ramp1, &ramp2, &ramp3, &ramp4, &ramp5, &ramp6, &ramp7, &ramp8, &ramp9, &ramp10, &ramp11, &ramp12, &ramp13};
Fl_Value_Input **const ShapeStrip[STRIP_COUNT] = {
    &shape1, &shape2, &shape3, &shape4, &shape5, &shape6, &shape7, &shape8, &shape9, &shape10, &shape11, &shape12, &shape13};
Fl_Value_Input **const PanStrip[STRIP_COUNT] = {
    &pan1, &pan2, &pan3, &pan4, &pan5, &pan6, &pan7, &pan8, &pan9, &pan10, &pan11, &pan12, &pan13};
Fl_Button **const AutoStrip[STRIP_COUNT] = {
    &A1, &A2, &A3, &A4, &A5, &A6, &A7, &A8, &A9, &A10, &A11, &A12, &A13};
Fl_Button **const SoloStrip[STRIP_COUNT - 1] = {
    &solo1, &solo2, &solo3, &solo4, &solo5, &solo6, &solo7, &solo8, &solo9, &solo10, &solo11, &solo12};
Fl_Button **const MuteStrip[STRIP_COUNT - 1] = {
    &mute1, &mute2, &mute3, &mute4, &mute5, &mute6, &mute7, &mute8, &mute9, &mute10, &mute11, &mute12};
Fl_Value_Output **const NumberStrip[STRIP_COUNT - 1] = {
    &DispNum1, &DispNum2, &DispNum3, &DispNum4, &DispNum5, &DispNum6,
    &DispNum7, &DispNum8, &DispNum9, &DispNum10, &DispNum11, &DispNum12};
Fl_Input **const NameStrip[STRIP_COUNT - 1] = {
    &name1, &name2, &name3, &name4, &name5, &name6, &name7, &name8, &name9, &name10, &name11, &name12};
Fl_Button **const BrowseStrip[CHANNEL_STRIPS] = {
    &browse1, &browse2, &browse3, &browse4, &browse5, &browse6, &browse7, &browse8, &browse9, &browse10};

Fl_Menu_Item menu_Edit[] = {
    {"Insert Index", 0, Callback<InsertIndex>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Remove Index", 0, Callback<RemoveIndex>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Propagate Index", 0, Callback<Propagate>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};

namespace {

const Fl_Color LABEL_COLOR = 175;   // pale yellow on the window colour
const Fl_Color FIELD_COLOR = 49;
const Fl_Color SOLO_LIT = 63, MUTE_LIT = 89, AUTO_LIT = 229;
const int ROW_STEP = 30;

// ---- strip layout: where strip 1's cell of each column lies; strip N is (N-1)*ROW_STEP lower ----

enum Column { SOLO, MUTE, NUMBER, NAME, BROWSE, AUTO, VOLUME, OFFSET, RAMP, SHAPE, PAN, COLUMN_COUNT };

struct CellLayout {
    int x, y, w, h;
    const char *label;  // column heading, shown above strip 1 only
};

const CellLayout Columns[COLUMN_COUNT] = {
    /* SOLO   */ {26, 179, 16, 16, "so"},
    /* MUTE   */ {56, 179, 16, 16, "mu"},
    /* NUMBER */ {88, 177, 30, 18, nullptr},
    /* NAME   */ {133, 177, 120, 18, nullptr},
    /* BROWSE */ {255, 178, 14, 18, nullptr},
    /* AUTO   */ {284, 179, 16, 16, "auto"},
    /* VOLUME */ {313, 177, 58, 20, "volume dB"},
    /* OFFSET */ {390, 177, 34, 18, "offset"},
    /* RAMP   */ {442, 177, 34, 18, "ramp"},
    /* SHAPE  */ {495, 177, 34, 18, "shape"},
    /* PAN    */ {547, 177, 40, 18, "pan %"},
};

// The cells that sit one pixel off the grid.
struct Deviation {
    Column column;
    int strip, x, y;
};

const Deviation Deviations[] = {
    {RAMP, 1, 441, 177}, {SHAPE, 1, 494, 177}, {SOLO, 2, 26, 208},
    {MUTE, 2, 56, 208},  {MUTE, 6, 56, 328},   {NAME, 11, 133, 476},
};

template <typename Widget>
Widget *PlaceCell(Column column, int strip)
{
    const CellLayout &cell = Columns[column];
    int x = cell.x, y = cell.y + ROW_STEP * (strip - 1);
    for (const Deviation &d : Deviations)
        if (d.column == column && d.strip == strip) {
            x = d.x;
            y = d.y;
        }
    Widget *w = new Widget(x, y, cell.w, cell.h);
    if (strip == 1 && cell.label) {
        w->label(cell.label);
        w->align(FL_ALIGN_TOP);
        w->labelsize(11);
        w->labelcolor(LABEL_COLOR);
    }
    return w;
}

// The strip number travels as the widget's user data.
void *StripData(int strip)
{
    return NumberData(strip);
}

Fl_Button *MakeToggle(Column column, int strip, Fl_Color lit, Fl_Callback *callback)
{
    Fl_Button *b = PlaceCell<Fl_Button>(column, strip);
    b->type(FL_TOGGLE_BUTTON);
    b->down_box(FL_DOWN_BOX);
    b->selection_color(lit);
    b->callback(callback);
    return b;
}

Fl_Value_Input *MakeValueField(Column column, int strip, Fl_Callback *callback)
{
    Fl_Value_Input *v = PlaceCell<Fl_Value_Input>(column, strip);
    // A typed value is taken when it is complete (Enter, or leaving the field): taken at each
    // keystroke, "150" would store 15 on its way to being refused.
    v->when(FL_WHEN_ENTER_KEY | FL_WHEN_RELEASE);
    v->input.when(v->when());
    v->color(FIELD_COLOR);
    v->textsize(12);
    v->callback(callback, StripData(strip));
    return v;
}

Fl_Spinner *MakeVolume(int strip)
{
    Fl_Spinner *s = PlaceCell<Fl_Spinner>(VOLUME, strip);
    s->type(FL_FLOAT_INPUT);
    s->format("%.*f");
    s->range(-144, 12);
    s->step(0.1);
    s->value(0);
    s->textfont(FL_HELVETICA_BOLD);
    // At size 12 in the input's usual frame "-144.0" would scroll and hide its sign: a thin
    // frame and size 10 show every volume the spinner can hold whole, at the same 58 pixels.
    s->textsize(10);
    s->child(0)->box(FL_THIN_DOWN_BOX);
    s->when(FL_WHEN_CHANGED);
    s->callback(Callback<VolumeToArray>);
    return s;
}

Fl_Value_Output *MakeNumber(int strip)
{
    Fl_Value_Output *n = PlaceCell<Fl_Value_Output>(NUMBER, strip);
    n->textsize(12);
    n->callback(Callback<UpdateDisplayNumbers>);
    if (strip == 1)
        n->when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
    return n;
}

Fl_Input *MakeName(int strip)
{
    Fl_Input *name = PlaceCell<Fl_Input>(NAME, strip);
    name->textsize(12);
    name->callback(Callback<StoreNames>);
    if (strip == SUBMIX_STRIP || strip == VCA_STRIP) {
        name->label(strip == SUBMIX_STRIP ? "sub" : "vca");
        name->align(FL_ALIGN_TOP);
        name->labelsize(10);
        name->labelcolor(3);
    }
    return name;
}

Fl_Output *MakeMasterName()
{
    Fl_Output *name = PlaceCell<Fl_Output>(NAME, MASTER_STRIP);
    name->color(FIELD_COLOR);
    name->textsize(12);
    name->when(FL_WHEN_CHANGED);
    return name;
}

Fl_Button *MakeBrowse(int strip)
{
    Fl_Button *b = PlaceCell<Fl_Button>(BROWSE, strip);
    b->label("*");
    b->callback(Callback<ChooseFile>, StripData(strip));
    return b;
}

void BuildStrip(int strip)
{
    const int k = strip - 1;
    if (strip != MASTER_STRIP) {
        *SoloStrip[k] = MakeToggle(SOLO, strip, SOLO_LIT, Callback<SoloToArray>);
        *MuteStrip[k] = MakeToggle(MUTE, strip, MUTE_LIT, Callback<MuteToArray>);
        *NumberStrip[k] = MakeNumber(strip);
        *NameStrip[k] = MakeName(strip);
    } else {
        name13 = MakeMasterName();
    }
    if (strip <= CHANNEL_STRIPS)
        *BrowseStrip[k] = MakeBrowse(strip);
    *AutoStrip[k] = MakeToggle(AUTO, strip, AUTO_LIT, Callback<ChannelActiveToArray>);
    *VolumeStrip[k] = MakeVolume(strip);
    *OffsetStrip[k] = MakeValueField(OFFSET, strip, Callback<OffsetToArray>);
    *RampStrip[k] = MakeValueField(RAMP, strip, Callback<RampToArray>);

    Fl_Value_Input *shape = MakeValueField(SHAPE, strip, Callback<ShapeToArray>);
    shape->range(0.125, 8);
    shape->value(1);
    *ShapeStrip[k] = shape;

    Fl_Value_Input *pan = MakeValueField(PAN, strip, Callback<PanToArray>);
    pan->range(-100, 100);
    pan->step(1);
    pan->value(0);
    *PanStrip[k] = pan;
}

// ---- controls above the strips ----

template <typename Widget>
Widget *Labelled(Widget *w, int labelsize)
{
    w->align(FL_ALIGN_TOP_LEFT);
    w->labelsize(labelsize);
    w->labelcolor(LABEL_COLOR);
    return w;
}

Fl_Spinner *MakePositionSpinner(int x, int y, int w, int h, const char *label, int last)
{
    Fl_Spinner *s = Labelled(new Fl_Spinner(x, y, w, h, label), 12);
    s->range(1, last);
    s->step(1);
    s->value(1);
    s->textsize(12);
    s->when(FL_WHEN_CHANGED);
    s->callback(Callback<TakePosition>);
    return s;
}

Fl_Input *MakeTextField(int x, int y, int w, int h, const char *label, Fl_Callback *callback)
{
    Fl_Input *in = Labelled(new Fl_Input(x, y, w, h, label), 12);
    in->textsize(12);
    in->callback(callback);
    return in;
}

Fl_Value_Input *MakeTimeField(int x, const char *label)
{
    Fl_Value_Input *v = Labelled(new Fl_Value_Input(x, 80, 40, 20, label), 11);
    v->color(FIELD_COLOR);
    v->textfont(FL_HELVETICA_BOLD);
    v->textsize(12);
    v->callback(Callback<StoreTime>);
    return v;
}

void BuildIndexControls()
{
    MixNameInput = MakeTextField(26, 32, 150, 18, "mix name", Callback<StoreMixName>);

    MixButton3 = new Fl_Button(489, 25, 100, 28, "Mix");
    MixButton3->box(FL_ROUND_UP_BOX);
    MixButton3->down_box(FL_ROUND_UP_BOX);
    MixButton3->labelsize(12);   // the app gives it its callback and shortcut

    TimeIndex = MakePositionSpinner(26, 80, 50, 24, "time index", INDEX_COUNT);

    IndexActive = new Fl_Button(103, 80, 80, 20, "Active");
    IndexActive->type(FL_TOGGLE_BUTTON);
    IndexActive->down_box(FL_DOWN_BOX);
    IndexActive->selection_color(AUTO_LIT);
    IndexActive->labelsize(12);
    IndexActive->callback(Callback<IndexActiveToArray>);

    CueName = MakeTextField(212, 80, 120, 20, "cue name", Callback<CueNameToArray>);
    GuiMin = MakeTimeField(399, "min/meas");
    GuiSec = MakeTimeField(473, "sec/beat");
    GuiMsec = MakeTimeField(547, "msec/tick");

    Fl_Menu_Button *edit = new Fl_Menu_Button(399, 116, 85, 20, "Edit Index");
    edit->labelsize(12);
    edit->textsize(12);
    edit->menu(menu_Edit);

    Bank = MakePositionSpinner(26, 132, 40, 24, "channel bank", BANK_COUNT);
}

} // namespace

Fl_Double_Window *make_window2()
{
    FadersWindow = new Fl_Double_Window(620, 575, "Faders");
    FadersWindow->color(97);
    BuildIndexControls();
    for (int strip = 1; strip <= STRIP_COUNT; strip++)
        BuildStrip(strip);
    FadersWindow->end();
    return FadersWindow;
}
